#include "calc_cli/SingleReport.h"

#include "calc_cli/CsvRowWriter.h"
#include "calc_cli/FieldCaptions.h"
#include "calc_cli/ResultColumns.h"
#include "money/AmountText.h"

#include <nlohmann/json.hpp>

namespace norvik {

namespace {

constexpr std::string_view kOk = "ok";

std::string captionedLine(std::string_view caption, std::string_view text) {
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

std::string SingleReport::render(ReportFormat format) const {
    switch (format) {
    case ReportFormat::Csv:
        return csv();
    case ReportFormat::Json:
        return json();
    case ReportFormat::Text:
        break;
    }
    return text();
}

std::string_view SingleReport::columnTitle() const {
    return request_.column == TaxColumn::Kou ? "月額表甲欄" : "月額表乙欄";
}

std::string SingleReport::text() const {
    std::string text(columnTitle());
    text += " 電算機計算の特例 (";
    text += rules_.name();
    text += ")\n";
    text += captionedLine(salaryCaption().text, request_.salary.shownText);
    text += captionedLine(dependentsCaption().text, request_.dependents.shownText);
    if (request_.column == TaxColumn::Kou) {
        text += spouseChoiceCaption(request_.spouse).text;
        text += '\n';
    }
    if (outcome_.refused()) {
        return text + outcome_.refusal + '\n';
    }
    for (const auto& [field, shown] : outcome_.texts) {
        text += captionedLine(rules_.caption(request_.column, field), shown);
    }
    text += "税額: ";
    text += Amt(*outcome_.tax);
    text += "円\n";
    return text;
}

std::string SingleReport::csv() const {
    ResultColumns columns(rules_, false);
    CsvRowWriter writer(nullptr, CsvEncoding::Utf8);
    const std::vector<std::string_view> header(columns.header().begin(), columns.header().end());
    writer.encode(header);
    std::string csv(writer.encoded());
    const std::array<std::string_view, ResultColumns::kInputNames.size()> inputs = {
        "", given_.column, given_.salary, given_.dependents, given_.spouse};
    const std::string tax = outcome_.tax ? std::to_string(*outcome_.tax) : std::string();
    writer.encode(columns.row(inputs, &outcome_, tax,
                              outcome_.refused() ? std::string_view(outcome_.refusal) : kOk));
    csv += writer.encoded();
    return csv;
}

std::string SingleReport::json() const {
    nlohmann::ordered_json json;
    json["rules"] = rules_.name();
    json["column"] = request_.column == TaxColumn::Kou ? "甲" : "乙";
    json["salary"] = request_.salary.shownText;
    json["dependents"] = request_.dependents.shownText;
    if (request_.column == TaxColumn::Kou) {
        json["spouse"] = request_.spouse;
    }
    json["fields"] = nlohmann::ordered_json::array();
    for (const auto& [field, shown] : outcome_.texts) {
        json["fields"].push_back({{"field", field},
                                  {"caption", rules_.caption(request_.column, field)},
                                  {"text", shown}});
    }
    json["tax"] = outcome_.tax ? nlohmann::ordered_json(*outcome_.tax) : nullptr;
    json["status"] = outcome_.refused() ? outcome_.refusal : std::string(kOk);
    return json.dump(2) + '\n';
}

} // namespace norvik
