// The captions norvik_calc prints are the texts the windows show: each caption names the group
// box that holds its field and the labels beside it, and their texts must be the layouts' own.

#include "calc_cli/EditEntryReader.h"
#include "calc_cli/FieldCaptions.h"

#include <QFile>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace norvik {

namespace {

struct UiWidget {
    std::string group; // the nearest group box around it
    std::string text;  // its text or title
    std::map<std::string, std::string> properties;
};

// Every widget of a Designer layout by name, with its enclosing group box and its shown text.
std::map<std::string, UiWidget> readLayout(const QString& fileName) {
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
    QXmlStreamReader xml(&file);
    std::map<std::string, UiWidget> widgets;
    std::vector<std::pair<std::string, bool>> open; // name, is a group box
    std::string property;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"widget") {
            const std::string name = xml.attributes().value("name").toString().toStdString();
            std::string group;
            for (auto it = open.rbegin(); it != open.rend() && group.empty(); ++it) {
                group = it->second ? it->first : "";
            }
            widgets[name].group = group;
            open.emplace_back(name, xml.attributes().value("class") == u"QGroupBox");
        } else if (xml.isEndElement() && xml.name() == u"widget") {
            open.pop_back();
        } else if (xml.isStartElement() && xml.name() == u"property" && !open.empty()) {
            property = xml.attributes().value("name").toString().toStdString();
        } else if (xml.isStartElement() && (xml.name() == u"string" || xml.name() == u"number") &&
                   !property.empty() && !open.empty()) {
            UiWidget& widget = widgets[open.back().first];
            const std::string value = xml.readElementText().toStdString();
            widget.properties[property] = value;
            if (property == "text" || property == "title") {
                widget.text = value;
            }
        } else if (xml.isEndElement() && xml.name() == u"property") {
            property.clear();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return widgets;
}

void expectShown(const std::map<std::string, UiWidget>& layout, const LayoutText& shown,
                 const std::string& group) {
    const auto found = layout.find(std::string(shown.widget));
    ASSERT_NE(found, layout.end()) << shown.widget;
    EXPECT_EQ(found->second.text, shown.text) << shown.widget;
    EXPECT_EQ(found->second.group, group) << shown.widget;
}

void expectCaptionsMatch(const QString& uiFile, std::span<const FieldCaption> captions) {
    const auto layout = readLayout(uiFile);
    for (const FieldCaption& caption : captions) {
        SCOPED_TRACE(std::string(caption.field));
        const auto field = layout.find(std::string(caption.field));
        ASSERT_NE(field, layout.end());
        EXPECT_EQ(field->second.group, caption.group.widget);
        expectShown(layout, caption.group, layout.at(std::string(caption.group.widget)).group);
        for (const LayoutText& label : caption.labels) {
            if (!label.widget.empty()) {
                expectShown(layout, label, std::string(caption.group.widget));
            }
        }
    }
    expectShown(layout, salaryCaption(), "GroupBox2");
    expectShown(layout, dependentsCaption(), "GroupBox2");
}

TEST(CaptionsUi, ColumnKouCaptionsAreTheWindowsTexts) {
    expectCaptionsMatch(NORVIK_SOURCE_DIR "/calc_kou/unorvik.ui", kouCaptions());
    const auto layout = readLayout(NORVIK_SOURCE_DIR "/calc_kou/unorvik.ui");
    expectShown(layout, spouseChoiceCaption(true), "RadioGroup2");
    expectShown(layout, spouseChoiceCaption(false), "RadioGroup2");
}

// Under the rules since 2020 a caption that names a widget is the column-甲 window's text; the
// others are those rules' own, and none of them may pass for a text the window shows.
TEST(CaptionsUi, TheNewRulesReuseOnlyTheWindowsOwnTexts) {
    const auto layout = readLayout(NORVIK_SOURCE_DIR "/calc_kou/unorvik.ui");
    for (const FieldCaption& caption : reiwaKouCaptions()) {
        SCOPED_TRACE(std::string(caption.field));
        ASSERT_TRUE(layout.count(std::string(caption.field)));
        for (const LayoutText& shown : {caption.group, caption.labels[0], caption.labels[1]}) {
            if (!shown.widget.empty()) {
                ASSERT_TRUE(layout.count(std::string(shown.widget))) << shown.widget;
                EXPECT_EQ(layout.at(std::string(shown.widget)).text, shown.text) << shown.widget;
            } else if (!shown.text.empty()) {
                for (const auto& [name, widget] : layout) {
                    EXPECT_NE(widget.text, shown.text) << name;
                }
            }
        }
    }
}

TEST(CaptionsUi, ColumnOtsuCaptionsAreTheWindowsTexts) {
    expectCaptionsMatch(NORVIK_SOURCE_DIR "/calc_otsu/unorvikB.ui", otsuCaptions());
}

// The program refuses more digits than the windows' edits hold; both edits of both layouts
// keep the edit's own limit unless they set one, and then it must be the same.
TEST(CaptionsUi, TheEditsHoldTheDigitsTheProgramAccepts) {
    const int accepted = EditEntryReader().maxDigits();
    for (const char* ui :
         {NORVIK_SOURCE_DIR "/calc_kou/unorvik.ui", NORVIK_SOURCE_DIR "/calc_otsu/unorvikB.ui"}) {
        const auto layout = readLayout(ui);
        for (const char* edit : {"NValEdit3", "NValEdit4"}) {
            const auto& properties = layout.at(edit).properties;
            const auto digits = properties.find("MaxDigits");
            if (digits != properties.end()) {
                EXPECT_EQ(std::stoi(digits->second), accepted) << ui << " " << edit;
            }
        }
    }
}

} // namespace

} // namespace norvik
