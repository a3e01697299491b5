#include "calc_cli/Report.h"

#include "calc_cli/CsvRowWriter.h"
#include "calc_cli/OutputTarget.h"
#include "money/AmountText.h"

#include <cstdio>
#include <stdexcept>

namespace norvik {

namespace {

std::string captionedLine(std::string_view caption, std::string_view text) {
    std::string line(caption);
    line += ": ";
    line += text;
    line += '\n';
    return line;
}

std::string textReport(const ReportContent& content) {
    std::string text = content.heading;
    text += " (";
    text += ruleSetName(content.rules);
    text += ")\n";
    for (const ReportLine& line : content.shownInputs) {
        text += line.caption.empty() ? line.text + '\n' : captionedLine(line.caption, line.text);
    }
    const TaxResult& result = *content.result;
    if (result.refused()) {
        return text + resultStatus(result) + '\n';
    }
    for (const Field& field : result.fields) {
        if (!content.leaveOutEmptyFields || !field.text.empty()) {
            text += captionedLine(field.caption, field.text);
        }
    }
    if (content.closingTaxLine) {
        text += "税額: ";
        text += amountText(*result.tax);
        text += "円\n";
    }
    return text;
}

std::string csvReport(const ReportContent& content) {
    CsvRowWriter writer(nullptr, CsvEncoding::Utf8);
    const std::vector<std::string>& header = content.columns->header();
    writer.encode(std::vector<std::string_view>(header.begin(), header.end()));
    std::string csv(writer.encoded());
    const TaxResult& result = *content.result;
    const std::string tax = result.tax ? std::to_string(*result.tax) : std::string();
    const std::string status = resultStatus(result);
    writer.encode(content.columns->row(content.csvInputs, &result, content.method, tax, status));
    csv += writer.encoded();
    return csv;
}

std::string jsonReport(const ReportContent& content) {
    const TaxResult& result = *content.result;
    nlohmann::ordered_json json;
    json["rules"] = ruleSetName(content.rules);
    if (content.method) {
        json["method"] = methodName(*content.method);
    }
    for (const auto& [key, value] : content.jsonInputs.items()) {
        json[key] = value;
    }
    json["fields"] = nlohmann::ordered_json::array();
    for (const Field& field : result.fields) {
        json["fields"].push_back(
            {{"field", field.id}, {"caption", field.caption}, {"text", field.text}});
    }
    json["tax"] = result.tax ? nlohmann::ordered_json(*result.tax) : nullptr;
    json["status"] = resultStatus(result);
    return json.dump(2) + '\n';
}

} // namespace

std::string renderReport(const ReportContent& content, ReportFormat format) {
    switch (format) {
    case ReportFormat::Csv:
        return csvReport(content);
    case ReportFormat::Json:
        return jsonReport(content);
    case ReportFormat::Text:
        break;
    }
    return textReport(content);
}

void writeReport(const std::string& report, const std::string& output) {
    OutputTarget target(output);
    if (std::fwrite(report.data(), 1, report.size(), target.file()) != report.size()) {
        throw std::runtime_error("書き込めません / cannot write the result");
    }
    target.commit();
}

int reportResult(ReportContent content, ResultColumns& columns, const TaxResult& result,
                 ReportFormat format, const std::string& output, std::ostream& errors) {
    if (result.refused() && result.refusal->reason == RefusalReason::BadInput) {
        errors << result.refusal->message << '\n';
        return 1;
    }
    content.columns = &columns;
    content.result = &result;
    try {
        writeReport(renderReport(content, format), output);
    } catch (const std::runtime_error& error) {
        errors << error.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace norvik
