// The "Updating Details" of the definition dialog: one tab per field type,
// only the chosen field's tab visible. Loads a definition's value into the
// controls and checks and stores the controls into a definition.
#pragma once
#include <QTabWidget>

struct tagFUFieldInfo;
struct tagFUFieldUpdate;
struct tagFUKindFields;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimeEdit;

class CxFieldDetail : public QTabWidget {
    Q_OBJECT
public:
    explicit CxFieldDetail(QWidget* parent);

    // The kind's fields, which a template of Set from Fields may name.
    void SetFields(const tagFUKindFields* fields);

    // Shows the tab of the row's type and fills it from the definition.
    void LoadDetails(const tagFUFieldInfo& row, const tagFUFieldUpdate& definition);
    // The controls into `work` by the row's type. False after telling the
    // user what is missing, with the focus where it is needed.
    bool SaveDetails(const tagFUFieldInfo& row, tagFUFieldUpdate* work);

    QWidget* tString;
    QRadioButton* rbtnSet;
    QLineEdit* edtSetValue;
    QRadioButton* rbtnAppend;
    QLineEdit* edtAppendValue;
    QRadioButton* rbtnInsert;
    QLineEdit* edtInsertValue;
    QSpinBox* edtPosition;
    QRadioButton* rbtnReplace;
    QLineEdit* edtReplaceSource;
    QLineEdit* edtReplaceDest;
    QRadioButton* rbtnTemplate;
    QLineEdit* edtTemplate;
    QComboBox* cbTemplateField;
    QPushButton* btnInsertField;
    QWidget* tInteger;
    QSpinBox* edtIntValue;
    QWidget* tBool;
    QComboBox* cbBoolValue;
    QWidget* tEnum;
    QComboBox* cbEnumValue;
    QWidget* tDateTime;
    QDateEdit* pDate;
    QTimeEdit* pTime;

private:
    void CreateStringTab_();
    void CreateValueTabs_();
    void CreateDateTab_();
    QWidget* AddTab_(const char* name, QWidget* value);
    void ShowTab_(QWidget* tab);

    void LoadString_(const tagFUFieldUpdate& definition);
    void LoadBool_(const tagFUFieldUpdate& definition);
    void LoadEnum_(const tagFUFieldInfo& row, const tagFUFieldUpdate& definition);
    void LoadDate_(const tagFUFieldUpdate& definition, bool withTime);
    bool SaveString_(tagFUFieldUpdate* work);
    bool SaveEnum_(const tagFUFieldInfo& row, tagFUFieldUpdate* work);
    void SaveDate_(tagFUFieldUpdate* work, bool withTime);
    bool Refuse_(const char* text, QWidget* focus);
    bool SaveTemplate_(tagFUFieldUpdate* work);
    void btnInsertFieldClick();

    void UpdateEditStates();

    const tagFUKindFields* m_pFields = nullptr;
};
