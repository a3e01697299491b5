#include "calc_cli/SingleCommand.h"

#include "calc_cli/CsvRowWriter.h"
#include "calc_cli/OutputTarget.h"
#include "calc_cli/Request.h"
#include "calc_cli/ResultColumns.h"
#include "money/AmountText.h"

#include <nlohmann/json.hpp>

namespace norvik {

namespace {

std::string captionedLine(std::string_view caption, std::string_view text) {
    std::string line(caption);
    line += ": ";
    line += text;
    line += '\n';
    return line;
}

class SingleReport {
public:
    SingleReport(const Computation& computation, const SingleOptions& given,
                 const TaxRequest& request, const TaxResult& result)
        : computation_(computation)
        , method_(methodFor(computation, request.column))
        , given_(given)
        , request_(request)
        , result_(result)
        , status_(resultStatus(result)) {}

    std::string render(ReportFormat format) const {
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

private:
    bool kou() const { return request_.column == TaxColumn::Kou; }
    std::string text() const;
    std::string csv() const;
    std::string json() const;

    Computation computation_;
    TaxMethod method_;
    const SingleOptions& given_;
    const TaxRequest& request_;
    const TaxResult& result_;
    std::string status_;
};

std::string SingleReport::text() const {
    std::string text(kou() ? "月額表甲欄 " : "月額表乙欄 ");
    text += methodCaption(method_);
    text += " (";
    text += ruleSetName(computation_.rules);
    text += ")\n";
    text += captionedLine(salaryCaption().text, request_.salary.shownText);
    text += captionedLine(dependentsCaption().text, request_.dependents.shownText);
    if (kou()) {
        text += spouseChoiceCaption(request_.spouse).text;
        text += '\n';
    }
    if (result_.refused()) {
        return text + status_ + '\n';
    }
    for (const Field& field : result_.fields) {
        text += captionedLine(field.caption, field.text);
    }
    text += "税額: ";
    text += amountText(*result_.tax);
    text += "円\n";
    return text;
}

std::string SingleReport::csv() const {
    ResultColumns columns(computation_, false);
    CsvRowWriter writer(nullptr, CsvEncoding::Utf8);
    const std::vector<std::string_view> header(columns.header().begin(), columns.header().end());
    writer.encode(header);
    std::string csv(writer.encoded());
    const std::array<std::string_view, ResultColumns::kInputNames.size()> inputs = {
        "", given_.column, given_.salary, given_.dependents, given_.spouse};
    const std::string tax = result_.tax ? std::to_string(*result_.tax) : std::string();
    writer.encode(columns.row(inputs, &result_, method_, tax, status_));
    csv += writer.encoded();
    return csv;
}

std::string SingleReport::json() const {
    nlohmann::ordered_json json;
    json["rules"] = ruleSetName(computation_.rules);
    json["method"] = methodName(method_);
    json["column"] = kou() ? "甲" : "乙";
    json["salary"] = request_.salary.shownText;
    json["dependents"] = request_.dependents.shownText;
    if (kou()) {
        json["spouse"] = request_.spouse;
    }
    json["fields"] = nlohmann::ordered_json::array();
    for (const Field& field : result_.fields) {
        json["fields"].push_back(
            {{"field", field.id}, {"caption", field.caption}, {"text", field.text}});
    }
    json["tax"] = result_.tax ? nlohmann::ordered_json(*result_.tax) : nullptr;
    json["status"] = status_;
    return json.dump(2) + '\n';
}

void writeOut(const std::string& report, const std::string& output) {
    OutputTarget target(output);
    if (std::fwrite(report.data(), 1, report.size(), target.file()) != report.size()) {
        throw std::runtime_error("書き込めません / cannot write the result");
    }
    target.commit();
}

} // namespace

int runSingle(const Computation& computation, const SingleOptions& options, std::ostream& errors) {
    RequestReader reader;
    const RequestReading reading =
        reader.read(options.column, options.salary, options.dependents, options.spouse);
    if (!reading.problem.empty()) {
        errors << reading.problem << '\n';
        return 1;
    }
    const TaxResult result = computeRequest(computation, reading.request);
    if (result.refused() && result.refusal->reason == RefusalReason::BadInput) {
        errors << result.refusal->message << '\n';
        return 1;
    }
    try {
        writeOut(SingleReport(computation, options, reading.request, result).render(options.format),
                 options.output);
    } catch (const std::runtime_error& error) {
        errors << error.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace norvik
