// A contact's fields, view only.
#pragma once
#include "common/pim/CommAddrMgr.h"
#include "wizard/windows/dialogs/DetailDialog.h"

class QTabWidget;

class TfmAddrDetail : public CxKindDetailDialog<CommAddrMgr, tagCommAddrRec> {
    Q_OBJECT
public:
    explicit TfmAddrDetail(QWidget* parent);
    // Fills every control from the record; null fills nothing.
    void ShowRecord(const tagCommAddrRec* record);

    QTabWidget* pMain;
    QWidget* tGen;
    QWidget* tAddr;
    QWidget* tNotes;
    QWidget* tOther;

    QGroupBox* gbName;
    QLineEdit* edtFirst;
    QLineEdit* edtLast;
    QLineEdit* edtCompany;
    QLineEdit* edtTitle;
    QGroupBox* gbTelephone;
    QLineEdit* edtBusiTel;
    QLineEdit* edtHomeTel;
    QLineEdit* edtMobileTel;
    QLineEdit* edtOtherTel;
    QLineEdit* edtEmail;
    QLineEdit* edtFax;
    QLineEdit* edtPager;
    QLineEdit* edtMainTel;
    QGroupBox* gbBirthday;
    QLineEdit* edtBirthday;
    QCheckBox* cbPrivate;
    QLineEdit* edtCategory;

    QTabWidget* pAddr;
    QWidget* tBusiAddr;
    QPlainTextEdit* memBusiStreet;
    QLineEdit* edtBusiCity;
    QLineEdit* edtBusiState;
    QLineEdit* edtBusiPostal;
    QLineEdit* edtBusiCountry;
    QWidget* tHomeAddr;
    QPlainTextEdit* memHomeStreet;
    QLineEdit* edtHomeCity;
    QLineEdit* edtHomeState;
    QLineEdit* edtHomePostal;
    QLineEdit* edtHomeCountry;
    QWidget* tOtherAddr;
    QPlainTextEdit* memOtherStreet;
    QLineEdit* edtOtherCity;
    QLineEdit* edtOtherState;
    QLineEdit* edtOtherPostal;
    QLineEdit* edtOtherCountry;

    QPlainTextEdit* memNotes;

    QGroupBox* gbCustom;
    QLineEdit* edtCustom1;
    QLineEdit* edtCustom2;
    QLineEdit* edtCustom3;
    QLineEdit* edtCustom4;
    QLineEdit* edtCustom5;
    QLineEdit* edtCustom6;
    QLineEdit* edtCustom7;
    QLineEdit* edtCustom8;
    QLineEdit* edtCustom9;
    QGroupBox* gbWeb;
    QLineEdit* edtIM1;
    QLineEdit* edtIM2;
    QLineEdit* edtHomepage;
    QPushButton* btnGo;

private:
    // The members that take the controls of one address.
    struct tagAddress {
        QWidget*& tab;
        QPlainTextEdit*& street;
        QLineEdit*& city;
        QLineEdit*& state;
        QLineEdit*& postal;
        QLineEdit*& country;
    };

    void CreateGeneral_();
    void CreateAddresses_();
    void CreateAddress_(const tagAddress& address, const char* kind, const char* caption,
                        int streetKey);
    void CreateNotes_();
    void CreateOther_();
    void btnGoClick();
};
