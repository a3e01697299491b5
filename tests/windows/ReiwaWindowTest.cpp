// What only the window for today's withholding does: the payment date chooses the period, the
// column and the method choose the working, column 甲 shows the other method's tax beside its
// own, and what cannot be computed is refused by name. What every window does is in
// EachWindowTest.cpp.

#include "ModalBoxCloser.h"
#include "ReiwaWindowTraits.h"
#include "WindowFixture.h"

#include "calc_r/computation/WindowRequest.h"
#include "calc_reiwa/MonthlyTable.h"
#include "controls/forms/TStaticText.h"
#include "money/AmountText.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace norvik {
namespace {

class ReiwaWindow : public WindowFixture<ReiwaWindowTraits> {
protected:
    void setDate(const QString& isoDate) {
        driver_.widget<QDateEdit>("DateTimePicker1")
            ->setDate(QDate::fromString(isoDate, Qt::ISODate));
    }

    // Replaces what an edit holds by typing, as a clerk does.
    void retype(const char* edit, const char* typed) {
        auto* field = driver_.widget<TNValEdit>(edit);
        field->setFocus();
        field->selectAll();
        driver_.type(QString::fromLatin1(typed));
        ASSERT_EQ(field->Text().remove(','), QString::fromLatin1(typed)) << edit;
    }

    void choose(const char* radio) { driver_.widget<QRadioButton>(radio)->click(); }

    // A request as the golden file writes it: the date, the choices, then the two edits.
    void request(const std::map<std::string, std::string>& in) {
        setDate(QString::fromStdString(in.at("date")));
        choose(in.at("column") == "乙" ? "RadioGroup2Item1" : "RadioGroup2Item0");
        if (in.at("column") == "甲") {
            choose(in.at("method") == "月額表" ? "RadioGroup3Item0" : "RadioGroup3Item1");
        }
        driver_.enterSalaryAndDependents(QString::fromStdString(in.at("salary")),
                                         QString::fromStdString(in.at("dependents")));
    }

    // What the core answers for the request now on screen.
    WindowAnswer coreAnswer() const {
        WindowRequest request;
        request.paymentDate = driver_.widget<QDateEdit>("DateTimePicker1")
                                  ->date()
                                  .toString(Qt::ISODate)
                                  .toStdString();
        const auto* salary = driver_.widget<TNValEdit>("NValEdit3");
        const auto* persons = driver_.widget<TNValEdit>("NValEdit4");
        request.salary = {salary->Value(), salary->Text().toStdString()};
        request.persons = {persons->Value(), persons->Text().toStdString()};
        request.column = driver_.widget<QRadioButton>("RadioGroup2Item1")->isChecked()
                             ? TaxColumn::Otsu
                             : TaxColumn::Kou;
        request.method = driver_.widget<QRadioButton>("RadioGroup3Item1")->isChecked()
                             ? TaxMethod::ComputerProvision
                             : TaxMethod::MonthlyTable;
        return answerRequest(request);
    }
};

TEST_F(ReiwaWindow, StartsAtTodaysDateWithColumnKouByTheMonthlyTable) {
    RecordingHelpOpener help;
    TfnorvikR fresh(help);
    EXPECT_EQ(FormDriver(fresh).widget<QDateEdit>("DateTimePicker1")->date(), QDate::currentDate());
    EXPECT_TRUE(driver_.widget<QRadioButton>("RadioGroup2Item0")->isChecked());
    EXPECT_TRUE(driver_.widget<QRadioButton>("RadioGroup3Item0")->isChecked());
    EXPECT_TRUE(driver_.widget<QDateEdit>("DateTimePicker1")->calendarPopup());
}

TEST_F(ReiwaWindow, ThePaymentDateChoosesThePeriodShownBesideIt) {
    const struct {
        const char* date;
        const char16_t* period;
    } rows[] = {
        {"2020-01-01", u"令和2年分～令和7年分"},
        {"2025-12-31", u"令和2年分～令和7年分"},
        {"2026-01-01", u"令和8年分"},
        {"2026-12-31", u"令和8年分"},
        {"2027-01-01", u"令和9年分"},
        {"2027-12-31", u"令和9年分"},
        {"2019-12-31", u"対象外の支給日"},
        {"2028-01-01", u"対象外の支給日"},
        {"2012-12-31", u"対象外の支給日"},
    };
    for (const auto& row : rows) {
        setDate(QString::fromLatin1(row.date));
        EXPECT_EQ(text("PeriodName"), QString::fromUtf16(row.period)) << row.date;
    }
}

TEST_F(ReiwaWindow, EachPeriodsFirstAndLastDayComputeWithThatPeriodsTables) {
    const struct {
        const char* date;
        const char16_t* rules;
        const char* tax; // 300,000 yen, 2 persons, 甲, monthly table
    } rows[] = {
        {"2020-01-01", u"令和2年分～令和7年分 月額表 甲欄", "5,130"},
        {"2025-12-31", u"令和2年分～令和7年分 月額表 甲欄", "5,130"},
        {"2026-01-01", u"令和8年分 月額表 甲欄", "4,700"},
        {"2026-12-31", u"令和8年分 月額表 甲欄", "4,700"},
        {"2027-01-01", u"令和9年分 月額表 甲欄", "4,530"},
        {"2027-12-31", u"令和9年分 月額表 甲欄", "4,530"},
    };
    for (const auto& row : rows) {
        setDate(QString::fromLatin1(row.date));
        driver_.enterSalaryAndDependents("300000", "2");
        EXPECT_EQ(text("rulesused"), QString::fromUtf16(row.rules)) << row.date;
        EXPECT_EQ(text("alldata"), row.tax) << row.date;
    }
}

TEST_F(ReiwaWindow, EveryGoldenCaseShowsEachFieldAsReviewed) {
    for (const GoldenCase& golden : loadGoldenCases(ReiwaWindowTraits::kGoldenFile)) {
        SCOPED_TRACE(golden.title);
        request(golden.inputs);
        for (const auto& [field, expected] : golden.expected) {
            EXPECT_EQ(text(field.c_str()).toStdString(), expected) << field;
        }
    }
}

TEST_F(ReiwaWindow, ShowsEveryFieldOfTheCoresAnswerAndItsTaxAndNothingElse) {
    const std::map<std::string, std::string> requests[] = {
        {{"date", "2026-12-25"},
         {"salary", "775200"},
         {"dependents", "3"},
         {"column", "甲"},
         {"method", "月額表"}},
        {{"date", "2027-06-10"},
         {"salary", "90000"},
         {"dependents", "0"},
         {"column", "乙"},
         {"method", "月額表"}},
        {{"date", "2024-03-25"},
         {"salary", "1234567"},
         {"dependents", "9"},
         {"column", "甲"},
         {"method", "電算機計算の特例"}},
        {{"date", "2026-05-25"},
         {"salary", "800000"},
         {"dependents", "1"},
         {"column", "乙"},
         {"method", "月額表"}},
    };
    for (const auto& in : requests) {
        SCOPED_TRACE(in.at("date") + " " + in.at("salary") + " " + in.at("column"));
        request(in);
        const WindowAnswer answer = coreAnswer();
        ASSERT_FALSE(answer.result.refused());
        for (const Field& field : answer.result.fields) {
            EXPECT_EQ(text(std::string(field.id).c_str()).toStdString(), field.text) << field.id;
        }
        EXPECT_EQ(text("alldata").toStdString(), amountText(*answer.result.tax));
        EXPECT_EQ(text("othermethod").toStdString(), answer.otherMethod);
    }
}

// The computer provision's captions are the column-甲 window's, whose layout shows them.
TEST_F(ReiwaWindow, EachFieldOfTheTableThatIsNotAFormulaIsCaptionedAsTheCoreDeclaresIt) {
    for (const FieldSpec& declaration : monthlyTableFields()) {
        if (declaration.formula) {
            continue; // captioned 算式 beside its amount
        }
        const std::string id(declaration.id);
        const QWidget* field = driver_.widget<QWidget>(id.c_str());
        const TStaticText* caption = nullptr;
        for (const TStaticText* label : form_.findChildren<TStaticText*>()) {
            if (label->buddy() == field) {
                caption = label;
            }
        }
        ASSERT_NE(caption, nullptr) << id;
        EXPECT_EQ(caption->text(), QString::fromUtf8(declaration.caption)) << id;
    }
}

TEST_F(ReiwaWindow, ColumnKouShowsTheOtherMethodsTaxAndColumnOtsuHasNoOtherMethod) {
    request({{"date", "2026-12-25"},
             {"salary", "300000"},
             {"dependents", "2"},
             {"column", "甲"},
             {"method", "月額表"}});
    EXPECT_EQ(text("othermethod"), QString::fromUtf16(u"電算機計算の特例では4,680円"));
    request({{"date", "2026-12-25"},
             {"salary", "300000"},
             {"dependents", "2"},
             {"column", "甲"},
             {"method", "電算機計算の特例"}});
    EXPECT_EQ(text("othermethod"), QString::fromUtf16(u"月額表では4,700円"));
    request({{"date", "2026-12-25"},
             {"salary", "300000"},
             {"dependents", "2"},
             {"column", "乙"},
             {"method", "月額表"}});
    EXPECT_EQ(text("othermethod"), "");
    EXPECT_FALSE(driver_.widget<QWidget>("RadioGroup3")->isEnabled())
        << "乙 has no computer provision";
    choose("RadioGroup2Item0");
    EXPECT_TRUE(driver_.widget<QWidget>("RadioGroup3")->isEnabled());
}

TEST_F(ReiwaWindow, WhatCannotBeComputedIsRefusedByNameAndChangesNothing) {
    const struct {
        const char* date;
        const char* salary;
        const char* persons;
        const char16_t* message;
    } rows[] = {
        {"2019-12-31", "300000", "2",
         u"支給日 2019-12-31 の給与の税額は求められません。このプログラムが扱うのは "
         u"令和2年分～令和7年分（2020-01-01～2025-12-31 支給分）、令和8年分（2026-01-01～"
         u"2026-12-31 支給分）、令和9年分（2027-01-01～2027-12-31 支給分） です。"},
        {"2028-01-01", "300000", "2", nullptr},
        {"2026-12-25", "-5000", "2",
         u"その月の社会保険料等控除後の給与等の金額に負の数は使えません。"},
        {"2026-12-25", "300000", "-1", u"扶養親族等の数に負の数は使えません。"},
        {"2026-12-25", "300000", "100", u"扶養親族等の数は99までです。"},
    };
    driver_.enterSalaryAndDependents("250000", "1");
    const QStringList before = allTexts();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.date + std::string(" ") + row.salary + " " + row.persons);
        setDate(QString::fromLatin1(row.date));
        // The box closed a moment ago may have left the window inactive offscreen.
        ASSERT_TRUE(driver_.showAndActivate());
        retype("NValEdit3", row.salary);
        retype("NValEdit4", row.persons);
        ModalBoxCloser closer;
        driver_.press(Qt::Key_F5);
        QCoreApplication::processEvents();
        ASSERT_TRUE(closer.seen);
        EXPECT_EQ(closer.icon, QMessageBox::Information);
        if (row.message != nullptr) {
            EXPECT_EQ(closer.text, QString::fromUtf16(row.message));
        }
        EXPECT_EQ(allTexts(), before) << "the earlier results stay on display";
    }
}

// What the edits cannot hold (an empty text, a value no edit shows) is still refused by name
// when a request carries it.
TEST(ReiwaWindowRequest, AnInputThatCannotBeUsedIsNamedInTheRefusal) {
    const struct {
        EnteredNumber salary;
        EnteredNumber persons;
        const char16_t* message;
    } rows[] = {
        {{0, ""}, {2, "2"}, u"その月の社会保険料等控除後の給与等の金額が入力されていません。"},
        {{300000, "300,000"}, {0, ""}, u"扶養親族等の数が入力されていません。"},
        {{0.5L, "0.5"},
         {0, "0"},
         u"その月の社会保険料等控除後の給与等の金額は整数で入力してください。"},
        {{1e13L, "10,000,000,000,000"},
         {0, "0"},
         u"その月の社会保険料等控除後の給与等の金額は999,999,999,999までです。"},
    };
    for (const auto& row : rows) {
        WindowRequest request;
        request.paymentDate = "2026-12-25";
        request.salary = row.salary;
        request.persons = row.persons;
        const WindowAnswer answer = answerRequest(request);
        ASSERT_TRUE(answer.result.refused()) << row.salary.text << " " << row.persons.text;
        EXPECT_EQ(answer.result.refusal->reason, RefusalReason::BadInput);
        EXPECT_EQ(QString::fromStdString(answer.result.refusal->message),
                  QString::fromUtf16(row.message));
        EXPECT_TRUE(answer.result.fields.empty());
    }
}

TEST_F(ReiwaWindow, EnterInTheDateMovesToTheSalaryAndEnterOnAChoiceComputes) {
    driver_.widget<QWidget>("DateTimePicker1")->setFocus();
    driver_.press(Qt::Key_Return);
    EXPECT_EQ(driver_.focusName(), "NValEdit3");
    EXPECT_EQ(text("alldata"), "0");
    driver_.type("300000");
    driver_.widget<QWidget>("NValEdit4")->setFocus();
    driver_.type("2");
    driver_.widget<QWidget>("RadioGroup3Item0")->setFocus();
    driver_.press(Qt::Key_Return);
    EXPECT_EQ(text("alldata"), "4,700");
}

TEST_F(ReiwaWindow, TheTaxIsAnnouncedAsTaxAndReadAsTheAmount) {
    driver_.enterSalaryAndDependents("300000", "2");
    const Announcement tax[] = {{"alldata", u"税額", QAccessible::StaticText}};
    expectAnnounced(driver_, tax);
    EXPECT_EQ(readableText(driver_.widget<QWidget>("alldata")), "4,700");
}

} // namespace
} // namespace norvik
