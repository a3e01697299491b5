#include "calc_cli/FieldCaptions.h"

#include <algorithm>

namespace norvik {

namespace {

constexpr LayoutText kKouTax{"GroupBox7",
                             "電算機計算の特例による月額表の甲欄を摘要する給与等に対する税額"};
constexpr LayoutText kKouTable1{"GroupBox5", "給与所得控除額(第１表)"};
constexpr LayoutText kKouTable2{"GroupBox3", "配偶者、扶養家族の控除額(第２表)"};
constexpr LayoutText kKouTaxable{"GroupBox6", "その月の課税給与所得金額(第3表)"};

constexpr FieldCaption kKou[] = {
    {"formula5", kKouTaxable, {}},
    {"formula1", kKouTable1, {{{"StaticText10", "算　式"}}}},
    {"data1", kKouTable1, {{{"StaticText8", "控除額"}}}},
    {"data2", kKouTable2, {{{"StaticText6", "配偶者控除"}}}},
    {"data3", kKouTable2, {{{"StaticText1", "扶養控除"}}}},
    {"formula2", kKouTable2, {{{"StaticText9", "算　式"}}}},
    {"data5", kKouTaxable, {{{"StaticText14", "所得金額"}}}},
    {"formula3", kKouTax, {{{"StaticText16", "算　式"}}}},
    {"formula4", kKouTaxable, {{{"StaticText11", "算　式"}}}},
    {"alldata", kKouTax, {{{"StaticText7", "税　額"}}}},
};

// Under the rules since 2020 the basic deduction depends on the salary and has a table of its
// own (table 3), so the tax table becomes table 4. The fields that mean what the column-甲 window
// shows keep its captions; the texts without a widget are these rules' own.
constexpr LayoutText kReiwaBasic{"", "基礎控除額(第３表)"};
constexpr LayoutText kReiwaTaxable{"", "その月の課税給与所得金額(第4表)"};

constexpr FieldCaption kReiwaKou[] = {
    {"formula5", kReiwaTaxable, {}},
    {"formula1", kKouTable1, {{{"StaticText10", "算　式"}}}},
    {"data1", kKouTable1, {{{"StaticText8", "控除額"}}}},
    {"data2", kKouTable2, {{{"StaticText6", "配偶者控除"}}}},
    {"data3", kKouTable2, {{{"StaticText1", "扶養控除"}}}},
    {"formula2", kKouTable2, {{{"StaticText9", "算　式"}}}},
    {"data4", kReiwaBasic, {}},
    {"data5", kReiwaTaxable, {{{"StaticText14", "所得金額"}}}},
    {"formula3", kKouTax, {{{"StaticText16", "算　式"}}}},
    {"formula4", kReiwaTaxable, {{{"StaticText11", "算　式"}}}},
    {"alldata", kKouTax, {{{"StaticText7", "税　額"}}}},
};

constexpr LayoutText kOtsuTax{"GroupBox7",
                              "電算機計算の特例による月額表の乙欄を摘要する給与等に対する税額"};
constexpr LayoutText kOtsuBase{"GroupBox3", "計算基準額"};
constexpr LayoutText kOtsuCombined{"GroupBox4", "主たる給与と従たる給与の合計額に対する税額"};
constexpr LayoutText kOtsuMain{"GroupBox8", "主たる給与に対する税額"};
constexpr LayoutText kOtsuDependents{"GroupBox5", "扶養控除"};

constexpr FieldCaption kOtsu[] = {
    {"formula1",
     kOtsuBase,
     {{{"Label2", "(社会保険控除後の給与等の金額-同一階差の最小値)/階差"},
       {"Label4", "＝商･･････余り(R)"}}}},
    {"data1", kOtsuBase, {{{"StaticText20", "計算基準額"}}}},
    {"formula2", kOtsuBase, {{{"Label3", "社会保険控除後の給与等の金額-R"}}}},
    {"formula3", kOtsuCombined, {{{"StaticText8", "(計算基準額×2.5)×第1表に定められた算式"}}}},
    {"data2", kOtsuCombined, {{{"StaticText25", "給与所得控除"}}}},
    {"data11", kOtsuCombined, {{{"StaticText1", "課税給与所得金額"}}}},
    {"formula11", kOtsuCombined, {{{"StaticText5", "(計算基準額×2.5)-給与所得控除額-基礎控除額"}}}},
    {"data4", kOtsuCombined, {{{"StaticText35", "税　額"}}}},
    {"formula4", kOtsuCombined, {{{"StaticText6", "課税給与所得金額×第3表に定められた算式"}}}},
    {"formula6", kOtsuMain, {{{"StaticText11", "(計算基準額×1.5)×第1表に定められた算式"}}}},
    {"data6", kOtsuMain, {{{"StaticText43", "給与所得控除"}}}},
    {"data12", kOtsuMain, {{{"StaticText16", "課税給与所得金額"}}}},
    {"formula12", kOtsuMain, {{{"StaticText19", "(計算基準額×1.5)-給与所得控除額-基礎控除額"}}}},
    {"data9", kOtsuMain, {{{"StaticText53", "税　額"}}}},
    {"formula9", kOtsuMain, {{{"StaticText15", "課税給与所得金額×第3表に定められた算式"}}}},
    {"data5", kOtsuDependents, {{{"StaticText55", "扶養控除"}}}},
    {"formula5", kOtsuDependents, {{{"StaticText10", "1人あたり1580円控除"}}}},
    {"alldata", kOtsuTax, {{{"StaticText7", "税　額"}}}},
    {"formulaall", kOtsuTax, {}},
};

} // namespace

std::span<const FieldCaption> kouCaptions() {
    return kKou;
}

std::span<const FieldCaption> otsuCaptions() {
    return kOtsu;
}

std::span<const FieldCaption> reiwaKouCaptions() {
    return kReiwaKou;
}

LayoutText salaryCaption() {
    return {"StaticText12", "その月の社会保険料控除後の給与等の金額"};
}

LayoutText dependentsCaption() {
    return {"StaticText13", "扶養家族数"};
}

LayoutText spouseChoiceCaption(bool spouse) {
    return spouse ? LayoutText{"RadioGroup2Item0", "配偶者あり"}
                  : LayoutText{"RadioGroup2Item1", "配偶者なし"};
}

std::string captionLine(const FieldCaption& caption) {
    std::string line(caption.group.text);
    for (const LayoutText& label : caption.labels) {
        if (label.text.empty() || label.text == caption.group.text) {
            continue;
        }
        line += line.size() == caption.group.text.size() ? " " : "";
        line += label.text;
    }
    return line;
}

const FieldCaption* findCaption(std::span<const FieldCaption> captions, std::string_view field) {
    const auto found = std::find_if(captions.begin(), captions.end(),
                                    [field](const FieldCaption& c) { return c.field == field; });
    return found == captions.end() ? nullptr : &*found;
}

} // namespace norvik
