#include "calc_cli/SingleReport.h"

#include "calc_cli/CsvRowWriter.h"
#include "calc_cli/FieldCaptions.h"
#include "calc_cli/ResultColumns.h"
#include "money/AmountText.h"

#include <nlohmann/json.hpp>

namespace norvik {

namespace {

constexpr std::string_view kOk = "ok";

std::string Line(std::string_view caption, std::string_view text) {
    std::string line(caption);
    line += ": ";
    line += text;
    line += '\n';
    return line;
}

} // namespace

SingleReport::SingleReport(const TaxRules& rules, const SingleRequest& given,
                           const TaxRequest& request, const TaxOutcome& outcome)
    : rules_(rules)
    , given_(given)
    , request_(request)
    , outcome_(outcome) {}

std::string SingleReport::Render(ReportFormat format) const {
    switch (format) {
    case ReportFormat::Csv:
        return Csv();
    case ReportFormat::Json:
        return Json();
    case ReportFormat::Text:
        break;
    }
    return Text();
}

std::string_view SingleReport::ColumnTitle() const {
    return request_.column == TaxColumn::Kou ? "月額表甲欄" : "月額表乙欄";
}

std::string SingleReport::Text() const {
    std::string text(ColumnTitle());
    text += " 電算機計算の特例 (";
    text += rules_.Name();
    text += ")\n";
    text += Line(SalaryCaption().text, request_.salary.shownText);
    text += Line(DependentsCaption().text, request_.dependents.shownText);
    if (request_.column == TaxColumn::Kou) {
        text += SpouseChoiceCaption(request_.spouse).text;
        text += '\n';
    }
    if (outcome_.Refused()) {
        return text + outcome_.refusal + '\n';
    }
    for (const auto& [field, shown] : outcome_.texts) {
        text += Line(rules_.Caption(request_.column, field), shown);
    }
    text += "税額: ";
    text += Amt(*outcome_.tax);
    text += "円\n";
    return text;
}

std::string SingleReport::Csv() const {
    ResultColumns columns(rules_, false);
    CsvRowWriter writer(nullptr, CsvEncoding::Utf8);
    const std::vector<std::string_view> header(columns.Header().begin(), columns.Header().end());
    writer.Encode(header);
    std::string csv(writer.Encoded());
    const std::array<std::string_view, ResultColumns::kInputNames.size()> inputs = {
        "", given_.column, given_.salary, given_.dependents, given_.spouse};
    const std::string tax = outcome_.tax ? std::to_string(*outcome_.tax) : std::string();
    writer.Encode(columns.Row(inputs, &outcome_, tax,
                              outcome_.Refused() ? std::string_view(outcome_.refusal) : kOk));
    csv += writer.Encoded();
    return csv;
}

std::string SingleReport::Json() const {
    nlohmann::ordered_json json;
    json["rules"] = rules_.Name();
    json["column"] = request_.column == TaxColumn::Kou ? "甲" : "乙";
    json["salary"] = request_.salary.shownText;
    json["dependents"] = request_.dependents.shownText;
    if (request_.column == TaxColumn::Kou) {
        json["spouse"] = request_.spouse;
    }
    json["fields"] = nlohmann::ordered_json::array();
    for (const auto& [field, shown] : outcome_.texts) {
        json["fields"].push_back({{"field", field},
                                  {"caption", rules_.Caption(request_.column, field)},
                                  {"text", shown}});
    }
    json["tax"] = outcome_.tax ? nlohmann::ordered_json(*outcome_.tax) : nullptr;
    json["status"] = outcome_.Refused() ? outcome_.refusal : std::string(kOk);
    return json.dump(2) + '\n';
}

} // namespace norvik
