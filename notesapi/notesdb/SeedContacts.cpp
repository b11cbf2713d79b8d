// Person documents: every item the contacts table knows, text lists in
// "Categories", long comments, names in other letter case and "$" items.
#include <cctype>
#include <cstdio>
#include <string>

#include "SeedData.h"

namespace {

const char* const kFirst[] = {"Anna",   "Ben",  "Chloe", "David", "Emma",  "Felix", "Greta",
                              "Hugo",   "Ines", "Jonas", "Klara", "Lukas", "Mia",   "Noah",
                              "Olivia", "Paul", "Rosa",  "Simon", "Tilda", "Ugo"};
const char* const kLast[] = {"Adler",   "Becker",  "Castillo", "Dubois",  "Eriksen",
                             "Fischer", "Garcia",  "Hansen",   "Ivanova", "Jensen",
                             "Keller",  "Lambert", "Moreau",   "Novak",   "Okafor",
                             "Petrov",  "Quinn",   "Rossi",    "Schmidt", "Tanaka"};
const char* const kCompany[] = {"Acme Tools",    "Birch & Partner",   "Cobalt Systems",
                                "Delta Freight", "Elm Street Bakery", "Fjord Energy"};
const char* const kJob[] = {"Engineer", "Sales Manager", "Accountant",
                            "Designer", "Director",      "Consultant"};
// Texts as stored, in LMBCS: 0x81 is the u umlaut of code page 850.
const char* const kCity[] = {"Berlin", "Lyon", "Porto", "Oslo", "Boston", "Osaka", "Z\x81rich"};
const char* const kState[] = {"BE", "ARA", "PT", "OS", "MA", "OSK", "ZH"};
const char* const kCountry[] = {"Germany", "France", "Portugal",   "Norway",
                                "USA",     "Japan",  "Switzerland"};
const char* const kStreet[] = {"Main Street",      "Rue de la Paix", "Avenida da Liberdade",
                               "Karl Johans gate", "Beacon Street",  "Midosuji",
                               "Bahnhofstrasse"};
const char* const kDept[] = {"Research", "Sales", "Finance", "Support", "Logistics"};
const char* const kCategory[] = {"Business", "Personal", "VIP",
                                 "Supplier", "Family",   "Holiday Cards"};
const char* const kSuffix[] = {"", "", "", "Jr.", "Sr.", "III", "PhD"};

std::string Phone(SeedRandom& r) {
    char text[32];
    std::snprintf(text, sizeof text, "+%u %03u %07u", 1 + r.Below(98), r.Below(1000),
                  r.Below(10000000));
    return text;
}

std::string LongComment(unsigned long index) {
    std::string text;
    char line[96];
    for (int i = 0; text.size() <= 5000; ++i) {
        std::snprintf(line, sizeof line,
                      "Note %lu.%d: met at the fair, follow up on the offer.\r\n", index, i);
        text += line;
    }
    return text;
}

// The item name as stored: every seventh contact writes some in other case.
std::string Cased(const std::string& name, unsigned long index, bool change) {
    if (!change || index % 7 != 3)
        return name;
    std::string out = name;
    for (char& c : out)
        c = static_cast<char>(index % 2 ? std::toupper(static_cast<unsigned char>(c))
                                        : std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

void MakeContact(unsigned seed, unsigned long index, DbNote* note) {
    SeedRandom r(seed, 1, index);
    note->items.clear();
    const std::string first = r.Pick(kFirst), last = r.Pick(kLast);
    const std::string company = r.Pick(kCompany);
    const unsigned place = r.Below(7), home = r.Below(7), other = r.Below(7);
    char number[16];
    std::snprintf(number, sizeof number, "%lu", index);
    const std::string mail = first + "." + last + number;
    std::string mailLower = mail;
    for (char& c : mailLower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string middle(1, static_cast<char>('A' + r.Below(26)));
    const std::string street = std::to_string(1 + r.Below(200)) + " ";

    AddText(note, "Type", "Person");
    AddText(note, "Form", "Person");
    AddText(note, "Comment",
            index % 5 == 2 ? LongComment(index) : "Contact " + std::string(number));
    AddText(note, "FullNameInput", first + " " + last);
    AddText(note, Cased("CompanyName", index, true), company);
    AddText(note, "JobTitle", r.Pick(kJob));
    AddText(note, Cased("FirstName", index, true), first);
    if (index % 4 != 1)
        AddText(note, "MiddleInitial", middle);
    AddText(note, Cased("LastName", index, true), last);
    AddText(note, "Title", index % 2 ? "Dr." : "");
    AddText(note, "Suffix", r.Pick(kSuffix));
    AddText(note, "MailAddress", mail + "@example.com");
    AddText(note, "InternetAddress", mailLower + "@example.com");
    AddText(note, "primaryPhoneNumber", Phone(r));
    AddText(note, "primaryAddress", "1");
    AddText(note, "email_1", mailLower + "@work.example.com");
    AddText(note, "MiscPhone1", mailLower + "@home.example.net");
    AddText(note, "MiscPhone2", Phone(r));
    AddText(note, "MiscPhone3", mailLower + "@second.example.com");
    AddText(note, "email_5", mailLower + "@second.example.net");
    AddText(note, "OfficePhoneNumber", Phone(r));
    AddText(note, "PhoneNumber", Phone(r));
    AddText(note, "CellPhoneNumber", Phone(r));
    AddText(note, "OfficeFAXPhoneNumber", Phone(r));
    AddText(note, "PhoneNumber_6", Phone(r));
    AddText(note, "PhoneNumber_8", "");
    AddText(note, "HomeFAXPhoneNumber", Phone(r));
    AddText(note, "PersPager", "");
    AddText(note, "PhoneNumber_9", "");
    AddText(note, "PhoneNumber_10", "");
    AddText(note, "SametimeLogin", first + " " + last + "/Example");
    AddText(note, "Department", r.Pick(kDept));
    AddText(note, "Location", std::string("Building ") + static_cast<char>('A' + r.Below(6)));
    AddText(note, "Manager", std::string(r.Pick(kFirst)) + " " + r.Pick(kLast));
    AddText(note, "Assistant", std::string(r.Pick(kFirst)) + " " + r.Pick(kLast));
    AddText(note, "WebSite", "https://www.example.com/" + mailLower);
    AddText(note, "Blogsite", "https://blog.example.net/" + mailLower);
    AddText(note, "Spouse", index % 3 ? std::string(r.Pick(kFirst)) + " " + last : "");
    AddText(note, "Children", index % 3 == 1 ? "Lena, Max" : "");
    if (index % 6 != 5) {
        AddTime(note, "Birthday",
                MakeDateOnly(1950 + r.Below(50), 1 + r.Below(12), 1 + r.Below(28)));
    }
    if (index % 3 == 0) {
        AddTime(note, "Anniversary",
                MakeDateOnly(1980 + r.Below(40), 1 + r.Below(12), 1 + r.Below(28)));
    }
    AddText(note, "Custom1", "");
    AddText(note, "Custom2", "");
    AddText(note, "Custom3", "");
    AddText(note, "OfficeStreetAddress", street + kStreet[place]);
    AddText(note, "OfficeCity", kCity[place]);
    AddText(note, "OfficeState", kState[place]);
    AddText(note, "OfficeZIP", std::to_string(10000 + r.Below(89999)));
    AddText(note, "OfficeCountry", kCountry[place]);
    AddText(note, "StreetAddress", std::to_string(1 + r.Below(99)) + " " + kStreet[home]);
    AddText(note, "City", kCity[home]);
    AddText(note, "State", kState[home]);
    AddText(note, "ZIP", std::to_string(10000 + r.Below(89999)));
    AddText(note, "Country", kCountry[home]);
    AddText(note, "OtherStreetAddress", index % 4 ? "" : std::string("PO Box ") + number);
    AddText(note, "OtherCity", index % 4 ? "" : kCity[other]);
    AddText(note, "OtherState", index % 4 ? "" : kState[other]);
    AddText(note, "OtherZIP", index % 4 ? "" : std::to_string(10000 + r.Below(89999)));
    AddText(note, "OtherCountry", index % 4 ? "" : kCountry[other]);
    if (index % 3 == 2)
        AddTextList(note, "Categories", {r.Pick(kCategory), "Customer", "Newsletter"});
    else
        AddText(note, "Categories", r.Pick(kCategory));
    AddText(note, "FullName", first + " " + middle + ". " + last);
    AddText(note, "$UpdatedBy", "CN=" + first + " " + last + "/O=Example");
    AddTextList(note, "$Revisions", {"1", "2"});
    if (index % 10 == 9)
        AddNumber(note, "$Conflict", 1);
}
