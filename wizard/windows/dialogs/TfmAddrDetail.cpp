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
#include "common/pim/CommAddrMgr.h"
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

const RecordTextFn kText = RecordText<CommAddrMgr, tagCommAddrRec>;

} // namespace

TfmAddrDetail::TfmAddrDetail(QWidget* parent)
    : CxDetailDialog("fmAddrDetail", "Contact detail information", parent) {
    pMain = Named<QTabWidget>("pMain", this);
    CreateGeneral();
    CreateAddresses();
    CreateNotes();
    CreateOther();
    pMain->setCurrentWidget(tGen);
    Finish(pMain, 600, 420);
    connect(btnGo, &QPushButton::clicked, this, &TfmAddrDetail::btnGoClick);
}

void TfmAddrDetail::CreateGeneral() {
    tGen = Named<QWidget>("tGen");
    pMain->addTab(tGen, "General");
    gbName = Group("gbName", " Name ", tGen);
    QGridLayout* name = Form(gbName);
    edtFirst = AddEdit(name, "edtFirst", "First Name:", KEY_FIRST);
    edtLast = AddEdit(name, "edtLast", "Last Name:", KEY_LAST);
    edtCompany = AddEdit(name, "edtCompany", "Company:", KEY_COMPANY);
    edtTitle = AddEdit(name, "edtTitle", "Job Title:", KEY_TITLE);

    gbTelephone = Group("gbTelephone", " Telephone Numbers ", tGen);
    QGridLayout* tel = Form(gbTelephone);
    edtBusiTel = AddEdit(tel, "edtBusiTel", "Business:", KEY_WORK_PHONE);
    edtHomeTel = AddEdit(tel, "edtHomeTel", "Home:", KEY_HOME_PHONE);
    edtMobileTel = AddEdit(tel, "edtMobileTel", "Mobile:", KEY_MOBILE_PHONE);
    edtOtherTel = AddEdit(tel, "edtOtherTel", "Other:", KEY_OTHER_PHONE);
    edtEmail = AddEdit(tel, "edtEmail", "Email:", KEY_EMAIL);
    edtFax = AddEdit(tel, "edtFax", "Fax:", KEY_WORK_FAX);
    edtPager = AddEdit(tel, "edtPager", "Pager:", KEY_PAGER);
    edtMainTel = AddEdit(tel, "edtMainTel", "Main:", KEY_PRIMARY_PHONE);

    // The record's birthday is not shown: the box stays empty.
    gbBirthday = Group("gbBirthday", " Birthday ", tGen);
    QGridLayout* birthday = Form(gbBirthday);
    edtBirthday = AddEdit(birthday, "edtBirthday", "", -1);

    auto* other = new QGridLayout;
    other->setContentsMargins(4, 4, 4, 0);
    other->setColumnStretch(1, 1);
    cbPrivate = Named<QCheckBox>("cbPrivate", "Private", tGen);
    other->addWidget(cbPrivate, 0, 0, 1, 2);
    edtCategory = AddEdit(other, "edtCategory", "Category:", KEY_CATEGORY);

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

void TfmAddrDetail::CreateAddresses() {
    tAddr = Named<QWidget>("tAddr");
    pMain->addTab(tAddr, "Address");
    pAddr = Named<QTabWidget>("pAddr", tAddr);
    CreateAddress(
        {tBusiAddr, memBusiStreet, edtBusiCity, edtBusiState, edtBusiPostal, edtBusiCountry},
        "Busi", "Business", KEY_WORK_STREET);
    CreateAddress(
        {tHomeAddr, memHomeStreet, edtHomeCity, edtHomeState, edtHomePostal, edtHomeCountry},
        "Home", "Home", KEY_HOME_STREET);
    CreateAddress(
        {tOtherAddr, memOtherStreet, edtOtherCity, edtOtherState, edtOtherPostal, edtOtherCountry},
        "Other", "Other", KEY_OTHER_STREET);
    pAddr->setCurrentWidget(tBusiAddr);
    auto* page = new QVBoxLayout(tAddr);
    page->setContentsMargins(10, 10, 10, 10);
    page->addWidget(pAddr);
}

// `kind` is the middle of the control names; the five fields follow each
// other in the catalogue from the street on.
void TfmAddrDetail::CreateAddress(const tagAddress& a, const char* kind, const char* caption,
                                  int streetKey) {
    auto name = [kind](const char* prefix, const char* field) {
        return QByteArray(prefix) + kind + field;
    };
    a.tab = Named<QWidget>(name("t", "Addr").constData());
    pAddr->addTab(a.tab, caption);
    QGridLayout* grid = Form(a.tab);
    a.street = AddMemo(grid, name("mem", "Street").constData(), "Street:", streetKey, TEXT_SIZE);
    a.street->setFixedHeight(72);
    a.city = AddEdit(grid, name("edt", "City").constData(), "City:", streetKey + 1);
    a.state = AddEdit(grid, name("edt", "State").constData(), "State:", streetKey + 2);
    a.postal = AddEdit(grid, name("edt", "Postal").constData(), "Postal Code:", streetKey + 3);
    a.country = AddEdit(grid, name("edt", "Country").constData(), "Country:", streetKey + 4);
    grid->setRowStretch(grid->rowCount(), 1);
}

void TfmAddrDetail::CreateNotes() {
    tNotes = Named<QWidget>("tNotes");
    pMain->addTab(tNotes, "Notes");
    memNotes = Named<QPlainTextEdit>("memNotes", tNotes);
    memNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Bind(memNotes, KEY_NOTE);
    auto* page = new QVBoxLayout(tNotes);
    page->setContentsMargins(10, 10, 10, 10);
    page->addWidget(memNotes);
}

void TfmAddrDetail::CreateOther() {
    tOther = Named<QWidget>("tOther");
    pMain->addTab(tOther, "Other Information");
    gbCustom = Group("gbCustom", " Custom Fields ", tOther);
    QGridLayout* custom = Form(gbCustom);
    QLineEdit** customs[] = {&edtCustom1, &edtCustom2, &edtCustom3, &edtCustom4, &edtCustom5,
                             &edtCustom6, &edtCustom7, &edtCustom8, &edtCustom9};
    for (int i = 0; i < 9; ++i) {
        const QByteArray name = "edtCustom" + QByteArray::number(i + 1);
        const QByteArray label = "Custom " + QByteArray::number(i + 1) + ":";
        *customs[i] = AddEdit(custom, name.constData(), label.constData(), KEY_CUSTOM1 + i);
    }

    // "&&" shows the ampersand instead of underlining the blank after it.
    gbWeb = Group("gbWeb", " Chat && Web ", tOther);
    QGridLayout* web = Form(gbWeb);
    edtIM1 = AddEdit(web, "edtIM1", "IM 1:", KEY_IM1);
    edtIM2 = AddEdit(web, "edtIM2", "IM 2:", KEY_IM2);
    edtHomepage = AddEdit(web, "edtHomepage", "Home Page:", KEY_WORK_HOME_PAGE);
    btnGo = EllipsisButton("btnGo", gbWeb, ">>");
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
    FillBound(kText, record);
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
