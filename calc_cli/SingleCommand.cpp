#include "calc_cli/SingleCommand.h"

#include "calc_cli/Request.h"
#include "calc_cli/ResultColumns.h"

namespace norvik {

namespace {

ReportContent salaryReport(const Computation& computation, const SingleOptions& given,
                           const TaxRequest& request) {
    const bool kou = request.column == TaxColumn::Kou;
    const TaxMethod method = methodFor(computation, request.column);
    ReportContent content;
    content.rules = computation.rules;
    content.method = method;
    content.heading = kou ? "月額表甲欄 " : "月額表乙欄 ";
    content.heading += methodCaption(method);
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
    ResultColumns columns(computation, false);
    ReportContent content = salaryReport(computation, options, reading.request);
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
