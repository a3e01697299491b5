#pragma once

#include "calc_cli/SingleRequest.h"
#include "calc_cli/TaxOutcome.h"
#include "calc_cli/TaxRequest.h"
#include "calc_cli/TaxRules.h"

#include <string>

namespace norvik {

enum class ReportFormat { Text, Csv, Json };

// One employee's result in the chosen form. Text is for a person: the inputs with the window's
// labels, every field of the result set in the window's order with the caption the window shows
// beside it, then the tax. CSV is the batch's row with its header; JSON carries the same.
class SingleReport {
public:
    SingleReport(const TaxRules& rules, const SingleRequest& given, const TaxRequest& request,
                 const TaxOutcome& outcome);

    std::string render(ReportFormat format) const;

private:
    std::string text() const;
    std::string csv() const;
    std::string json() const;
    std::string_view columnTitle() const;

    const TaxRules& rules_;
    const SingleRequest& given_;
    const TaxRequest& request_;
    const TaxOutcome& outcome_;
};

} // namespace norvik
