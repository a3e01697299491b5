// Every field a computation declares is a display field of its window's layout, and its caption
// is what the layout shows around it: a renamed label or a changed caption fails here, not in
// front of a clerk. The command line's input captions and digit limit are the layouts' too.

#include "calc_cli/EditEntryReader.h"
#include "calc_cli/Request.h"
#include "calc_kou/computation/KouComputation.h"
#include "calc_otsu/computation/OtsuComputation.h"
#include "calc_reiwa/ReiwaKouComputation.h"

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

const UiWidget* widgetNamed(const std::map<std::string, UiWidget>& layout, std::string_view name) {
    const auto found = layout.find(std::string(name));
    return found == layout.end() ? nullptr : &found->second;
}

// The labels' part of a caption, as the layout shows them beside the field: a label that
// repeats the group's title is not written twice, two labels are read as one.
std::string labelsPart(const std::map<std::string, UiWidget>& layout, const FieldSpec& declaration,
                       std::string_view groupTitle) {
    std::string labels;
    for (const std::string_view name : declaration.shownBy.labels) {
        if (name.empty()) {
            continue;
        }
        const UiWidget* label = widgetNamed(layout, name);
        EXPECT_NE(label, nullptr) << "no label " << name;
        if (label == nullptr) {
            continue;
        }
        if (!declaration.shownBy.group.empty()) {
            EXPECT_EQ(label->group, declaration.shownBy.group)
                << name << " lies outside the field's group";
        }
        if (label->text != groupTitle) {
            labels += label->text;
        }
    }
    return labels;
}

// Every declared field is a display field of the layout, and its caption is what the layout
// shows around it. A caption part the declaration names no widget for is the rules' own text
// and must not pass for a text the window shows.
void expectFieldsMatchLayout(const QString& uiFile, std::span<const FieldSpec> fields) {
    const auto layout = readLayout(uiFile);
    for (const FieldSpec& declaration : fields) {
        SCOPED_TRACE(std::string(declaration.id));
        const UiWidget* field = widgetNamed(layout, declaration.id);
        ASSERT_NE(field, nullptr) << "the layout has no display field " << declaration.id;
        std::string groupTitle;
        if (!declaration.shownBy.group.empty()) {
            EXPECT_EQ(field->group, declaration.shownBy.group);
            const UiWidget* group = widgetNamed(layout, declaration.shownBy.group);
            ASSERT_NE(group, nullptr) << "no group box " << declaration.shownBy.group;
            groupTitle = group->text;
        }
        const std::string labels = labelsPart(layout, declaration, groupTitle);
        if (declaration.shownBy.group.empty()) {
            // The rules' own title stands where the group's would.
            ASSERT_TRUE(declaration.caption.ends_with(labels)) << declaration.caption;
            std::string_view own =
                declaration.caption.substr(0, declaration.caption.size() - labels.size());
            if (!labels.empty() && own.ends_with(' ')) {
                own.remove_suffix(1);
            }
            for (const auto& [name, widget] : layout) {
                EXPECT_NE(widget.text, own) << name;
            }
            continue;
        }
        EXPECT_EQ(declaration.caption, labels.empty() ? groupTitle : groupTitle + " " + labels);
    }
}

TEST(FieldLayout, ColumnKouFieldsAreTheWindowsFieldsAndCaptions) {
    expectFieldsMatchLayout(NORVIK_SOURCE_DIR "/calc_kou/unorvik.ui", kouFields());
    const auto layout = readLayout(NORVIK_SOURCE_DIR "/calc_kou/unorvik.ui");
    expectShown(layout, salaryCaption(), "GroupBox2");
    expectShown(layout, dependentsCaption(), "GroupBox2");
    expectShown(layout, spouseChoiceCaption(true), "RadioGroup2");
    expectShown(layout, spouseChoiceCaption(false), "RadioGroup2");
}

// Under the rules since 2020 a caption part that names a widget is the column-甲 window's text;
// the others are those rules' own, and none of them may pass for a text the window shows.
TEST(FieldLayout, TheNewRulesReuseOnlyTheColumnKouWindowsOwnTexts) {
    expectFieldsMatchLayout(NORVIK_SOURCE_DIR "/calc_kou/unorvik.ui", reiwaKouFields());
}

TEST(FieldLayout, ColumnOtsuFieldsAreTheWindowsFieldsAndCaptions) {
    expectFieldsMatchLayout(NORVIK_SOURCE_DIR "/calc_otsu/unorvikB.ui", otsuFields());
    const auto layout = readLayout(NORVIK_SOURCE_DIR "/calc_otsu/unorvikB.ui");
    expectShown(layout, salaryCaption(), "GroupBox2");
    expectShown(layout, dependentsCaption(), "GroupBox2");
}

// The program refuses more digits than the windows' edits hold; both edits of both layouts
// keep the edit's own limit unless they set one, and then it must be the same.
TEST(FieldLayout, TheEditsHoldTheDigitsTheProgramAccepts) {
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
