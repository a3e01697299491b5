#pragma once

#include "FormDriver.h"
#include "RecordingHelpOpener.h"

#include "../core/GoldenCases.h"

#include <QAction>
#include <QMenu>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace norvik {

// One main window, built from its layout and shown as after the program starts. Traits name the
// window's form, the fields its layout gives and its worked example (KouWindowTraits.h,
// OtsuWindowTraits.h, ReiwaWindowTraits.h).
template <typename Traits>
class WindowFixture : public ::testing::Test {
protected:
    // One way of giving a command: its key, its button or its popup-menu item.
    struct Command {
        std::string way;
        std::function<void()> give;
    };

    void SetUp() override {
        // A window whose results depend on more than the two edits sets the rest here.
        if constexpr (requires { Traits::prepare(driver_); }) {
            Traits::prepare(driver_);
        }
        ASSERT_TRUE(driver_.showAndActivate());
    }

    QString text(const char* field) const { return driver_.text(field); }

    QStringList allTexts() const {
        QStringList texts;
        for (const char* field : Traits::kAmountFields) {
            texts << text(field);
        }
        for (const char* field : Traits::kFormulaFields) {
            texts << text(field);
        }
        for (const char* field : Traits::kDeductionFields) {
            texts << text(field);
        }
        return texts << text(Traits::kLegendField);
    }

    // As after the start and after a clear; the legend is left to the caller.
    void expectCleared() const {
        for (const char* field : Traits::kAmountFields) {
            EXPECT_EQ(text(field), "0") << field;
        }
        for (const char* field : Traits::kFormulaFields) {
            EXPECT_EQ(text(field), "") << field;
        }
        for (const char* field : Traits::kDeductionFields) {
            EXPECT_EQ(text(field), "31,667") << field;
        }
    }

    // The window's first worked example (300,000 yen, 2 dependents) as its golden file shows it.
    void expectWorkedExample() const {
        const std::vector<GoldenCase> cases = loadGoldenCases(Traits::kGoldenFile);
        ASSERT_FALSE(cases.empty());
        const GoldenCase& example = cases.front();
        ASSERT_EQ(example.inputs.at("salary"), "300000");
        ASSERT_EQ(example.inputs.at("dependents"), "2");
        for (const auto& [field, expected] : example.expected) {
            EXPECT_EQ(text(std::string(field).c_str()).toStdString(), expected) << field;
        }
        for (const char* field : Traits::kDeductionFields) {
            EXPECT_EQ(text(field), "31,667") << field;
        }
    }

    // A command's key (wherever the focus is), its button and its item in the popup menu.
    std::vector<Command> waysToGive(Qt::Key key, const char* button, int menuItem) {
        return {
            {QKeySequence(key).toString().toStdString() + " key",
             [this, key] { driver_.press(key); }},
            {std::string(button), [this, button] { driver_.click(button); }},
            {"popup-menu item " + std::to_string(menuItem),
             [this, menuItem] { form_.PopupMenu()->actions().at(menuItem)->trigger(); }},
        };
    }

    RecordingHelpOpener help_;
    typename Traits::Form form_{help_};
    FormDriver driver_{form_};
};

} // namespace norvik
