// A page of the wizard: a borderless widget that fills the main window's
// client area and trades its values with the controller's shared state.
#pragma once
#include <QWidget>

#include "wizard/controller/WizardInterfaces.h"

class CxWizardController;

class CxWizardPageWidget : public QWidget, public IWizardPage {
    Q_OBJECT
public:
    CxWizardPageWidget(CxWizardController& controller, QWidget* parent)
        : QWidget(parent), m_controller(controller) {}

protected:
    CxWizardController& m_controller;
};

