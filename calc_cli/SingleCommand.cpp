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
    ResultColumns columns(computation, false);
    return reportResult(salaryReport(computation, options, reading.request), columns, result,
                        options.format, options.output, errors);
}

} // namespace norvik
