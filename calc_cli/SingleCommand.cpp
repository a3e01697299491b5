#include "calc_cli/SingleCommand.h"

#include "calc_cli/Request.h"
#include "calc_cli/ResultColumns.h"

namespace norvik {

namespace {

ReportContent salaryReport(RuleSet rules, const SingleOptions& given, const TaxRequest& request) {
    const bool kou = request.column == TaxColumn::Kou;
    ReportContent content;
    content.rules = rules;
    content.heading = kou ? "月額表甲欄 電算機計算の特例" : "月額表乙欄 電算機計算の特例";
    content.shownInputs = {{salaryCaption().text, request.salary.shownText},
                           {dependentsCaption().text, request.dependents.shownText}};
    content.jsonInputs["column"] = kou ? "甲" : "乙";
    content.jsonInputs["salary"] = request.salary.shownText;
    content.jsonInputs["dependents"] = request.dependents.shownText;
    if (kou) {
        content.shownInputs.push_back({{}, std::string(spouseChoiceCaption(request.spouse).text)});
        content.jsonInputs["spouse"] = request.spouse;
    }
    content.csvInputs = {"", given.column, given.salary, given.dependents, given.spouse};
    return content;
}

} // namespace

int runSingle(RuleSet rules, const SingleOptions& options, std::ostream& errors) {
    RequestReader reader;
    const RequestReading reading =
        reader.read(options.column, options.salary, options.dependents, options.spouse);
    if (!reading.problem.empty()) {
        errors << reading.problem << '\n';
        return 1;
    }
    const TaxResult result = computeRequest(rules, reading.request);
    if (result.refused() && result.refusal->reason == RefusalReason::BadInput) {
        errors << result.refusal->message << '\n';
        return 1;
    }
    ResultColumns columns(rules, false);
    ReportContent content = salaryReport(rules, options, reading.request);
    content.columns = &columns;
    content.result = &result;
    try {
        writeReport(renderReport(content, options.format), options.output);
    } catch (const std::runtime_error& error) {
        errors << error.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace norvik
