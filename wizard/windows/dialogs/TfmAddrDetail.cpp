#include "TfmAddrDetail.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/misc/WinUtil.h"
#include "wizard/windows/widgets/AnsiText.h"
#include "wizard/windows/widgets/Controls.h"

namespace {

// Field keys of the contact catalogue.
enum : int {
    KEY_FIRST = 1,
    KEY_LAST = 3,
    KEY_WORK_STREET = 9,
    KEY_HOME_STREET = 14,
    KEY_OTHER_STREET = 19,
    KEY_HOME_PHONE = 24,
    KEY_WORK_PHONE = 25,
    KEY_MOBILE_PHONE = 26,
    KEY_OTHER_PHONE = 27,
    KEY_PRIMARY_PHONE = 28,
    KEY_WORK_FAX = 34,
    KEY_PAGER = 36,
    KEY_EMAIL = 37,
    KEY_WORK_HOME_PAGE = 41,
    KEY_NOTE = 43,
    KEY_CUSTOM1 = 44,
    KEY_COMPANY = 53,
    KEY_TITLE = 55,
    KEY_IM1 = 56,
    KEY_IM2 = 57,
    KEY_CATEGORY = 75,
};

} // namespace

TfmAddrDetail::TfmAddrDetail(QWidget* parent)
    : CxKindDetailDialog("fmAddrDetail", "Contact detail information", parent) {
    pMain = Named<QTabWidget>("pMain", this);
    CreateGeneral_();
    CreateAddresses_();
    CreateNotes_();
    CreateOther_();
    pMain->setCurrentWidget(tGen);
    Finish_(pMain, 600, 420);
    connect(btnGo, &QPushButton::clicked, this, &TfmAddrDetail::btnGoClick);
}

void TfmAddrDetail::CreateGeneral_() {
    tGen = Named<QWidget>("tGen");
    pMain->addTab(tGen, "General");
    gbName = Group_("gbName", " Name ", tGen);
    QGridLayout* name = Form_(gbName);
    edtFirst = AddEdit_(name, "edtFirst", "First Name:", KEY_FIRST);
    edtLast = AddEdit_(name, "edtLast", "Last Name:", KEY_LAST);
    edtCompany = AddEdit_(name, "edtCompany", "Company:", KEY_COMPANY);
    edtTitle = AddEdit_(name, "edtTitle", "Job Title:", KEY_TITLE);

    gbTelephone = Group_("gbTelephone", " Telephone Numbers ", tGen);
    QGridLayout* tel = Form_(gbTelephone);
    edtBusiTel = AddEdit_(tel, "edtBusiTel", "Business:", KEY_WORK_PHONE);
    edtHomeTel = AddEdit_(tel, "edtHomeTel", "Home:", KEY_HOME_PHONE);
    edtMobileTel = AddEdit_(tel, "edtMobileTel", "Mobile:", KEY_MOBILE_PHONE);
    edtOtherTel = AddEdit_(tel, "edtOtherTel", "Other:", KEY_OTHER_PHONE);
    edtEmail = AddEdit_(tel, "edtEmail", "Email:", KEY_EMAIL);
    edtFax = AddEdit_(tel, "edtFax", "Fax:", KEY_WORK_FAX);
    edtPager = AddEdit_(tel, "edtPager", "Pager:", KEY_PAGER);
    edtMainTel = AddEdit_(tel, "edtMainTel", "Main:", KEY_PRIMARY_PHONE);

    // The record's birthday is not shown: the box stays empty.
    gbBirthday = Group_("gbBirthday", " Birthday ", tGen);
    QGridLayout* birthday = Form_(gbBirthday);
    edtBirthday = AddEdit_(birthday, "edtBirthday", "", -1);

    auto* other = new QGridLayout;
    other->setContentsMargins(4, 4, 4, 0);
    other->setColumnStretch(1, 1);
    cbPrivate = Named<QCheckBox>("cbPrivate", "Private", tGen);
    other->addWidget(cbPrivate, 0, 0, 1, 2);
    edtCategory = AddEdit_(other, "edtCategory", "Category:", KEY_CATEGORY);

    auto* left = new QVBoxLayout;
    left->addWidget(gbName);
    left->addWidget(gbBirthday);
    left->addLayout(other);
    left->addStretch(1);
    auto* columns = new QHBoxLayout(tGen);
    columns->setContentsMargins(10, 8, 10, 10);
    columns->setSpacing(12);
    columns->addLayout(left, 1);
    columns->addWidget(gbTelephone, 1, Qt::AlignTop);
}

void TfmAddrDetail::CreateAddresses_() {
    tAddr = Named<QWidget>("tAddr");
    pMain->addTab(tAddr, "Address");
    pAddr = Named<QTabWidget>("pAddr", tAddr);
    CreateAddress_(
        {tBusiAddr, memBusiStreet, edtBusiCity, edtBusiState, edtBusiPostal, edtBusiCountry},
        "Busi", "Business", KEY_WORK_STREET);
    CreateAddress_(
        {tHomeAddr, memHomeStreet, edtHomeCity, edtHomeState, edtHomePostal, edtHomeCountry},
        "Home", "Home", KEY_HOME_STREET);
    CreateAddress_(
        {tOtherAddr, memOtherStreet, edtOtherCity, edtOtherState, edtOtherPostal, edtOtherCountry},
        "Other", "Other", KEY_OTHER_STREET);
    pAddr->setCurrentWidget(tBusiAddr);
    auto* page = new QVBoxLayout(tAddr);
    page->setContentsMargins(10, 10, 10, 10);
    page->addWidget(pAddr);
}

// `kind` is the middle of the control names; the five fields follow each
// other in the catalogue from the street on.
void TfmAddrDetail::CreateAddress_(const tagAddress& a, const char* kind, const char* caption,
                                   int streetKey) {
    auto name = [kind](const char* prefix, const char* field) {
        return QByteArray(prefix) + kind + field;
    };
    a.tab = Named<QWidget>(name("t", "Addr").constData());
    pAddr->addTab(a.tab, caption);
    QGridLayout* grid = Form_(a.tab);
    a.street = AddMemo_(grid, name("mem", "Street").constData(), "Street:", streetKey, TEXT_SIZE);
    a.street->setFixedHeight(72);
    a.city = AddEdit_(grid, name("edt", "City").constData(), "City:", streetKey + 1);
    a.state = AddEdit_(grid, name("edt", "State").constData(), "State:", streetKey + 2);
    a.postal = AddEdit_(grid, name("edt", "Postal").constData(), "Postal Code:", streetKey + 3);
    a.country = AddEdit_(grid, name("edt", "Country").constData(), "Country:", streetKey + 4);
    grid->setRowStretch(grid->rowCount(), 1);
}

void TfmAddrDetail::CreateNotes_() {
    tNotes = Named<QWidget>("tNotes");
    pMain->addTab(tNotes, "Notes");
    memNotes = Named<QPlainTextEdit>("memNotes", tNotes);
    memNotes->setAccessibleName("Notes");
    memNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Bind_(memNotes, KEY_NOTE);
    auto* page = new QVBoxLayout(tNotes);
    page->setContentsMargins(10, 10, 10, 10);
    page->addWidget(memNotes);
}

void TfmAddrDetail::CreateOther_() {
    tOther = Named<QWidget>("tOther");
    pMain->addTab(tOther, "Other Information");
    gbCustom = Group_("gbCustom", " Custom Fields ", tOther);
    QGridLayout* custom = Form_(gbCustom);
    QLineEdit** customs[] = {&edtCustom1, &edtCustom2, &edtCustom3, &edtCustom4, &edtCustom5,
                             &edtCustom6, &edtCustom7, &edtCustom8, &edtCustom9};
    for (int i = 0; i < 9; ++i) {
        const QByteArray name = "edtCustom" + QByteArray::number(i + 1);
        const QByteArray label = "Custom " + QByteArray::number(i + 1) + ":";
        *customs[i] = AddEdit_(custom, name.constData(), label.constData(), KEY_CUSTOM1 + i);
    }

    // "&&" shows the ampersand instead of underlining the blank after it.
    gbWeb = Group_("gbWeb", " Chat && Web ", tOther);
    QGridLayout* web = Form_(gbWeb);
    edtIM1 = AddEdit_(web, "edtIM1", "IM 1:", KEY_IM1);
    edtIM2 = AddEdit_(web, "edtIM2", "IM 2:", KEY_IM2);
    edtHomepage = AddEdit_(web, "edtHomepage", "Home Page:", KEY_WORK_HOME_PAGE);
    btnGo = EllipsisButton("btnGo", gbWeb, "Open the home page", ">>");
    web->addWidget(btnGo, web->rowCount() - 1, 2);

    auto* columns = new QHBoxLayout(tOther);
    columns->setContentsMargins(10, 8, 10, 10);
    columns->setSpacing(12);
    columns->addWidget(gbCustom, 1, Qt::AlignTop);
    columns->addWidget(gbWeb, 1, Qt::AlignTop);
}

void TfmAddrDetail::ShowRecord(const tagCommAddrRec* record) {
    if (!record)
        return;
    FillBound_(record);
    cbPrivate->setChecked(record->nPrivate != 0);
}

// Opens what the box holds now, typed or not.
void TfmAddrDetail::btnGoClick() {
    if (edtHomepage->text().isEmpty())
        return;
    char address[2048];
    ToAnsi(edtHomepage->text(), address);
    OpenWithShell(address);
}
