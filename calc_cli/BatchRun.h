#pragma once

#include "calc_cli/BatchOptions.h"
#include "calc_cli/CsvRecord.h"
#include "calc_cli/CsvRowWriter.h"
#include "calc_cli/RequestReader.h"
#include "calc_cli/ResultColumns.h"
#include "calc_cli/TaxRules.h"

#include <memory>
#include <ostream>
#include <string>

namespace norvik {

// A payroll CSV computed row by row: each row's result set, tax and status written as it is
// read. Every bad row is told on `errors` with its line; without --keep-going a file output is
// thrown away when any row was bad, and standard output stops at the first one.
class BatchRun {
public:
    BatchRun(const BatchOptions& options, const TaxRules& rules, std::ostream& errors);

    // The exit status: 0 when every row was good, 1 otherwise.
    int run();

private:
    bool onRecord(const CsvRecord& record);
    bool checkHeader(const CsvRecord& record);
    std::string rowProblem(const CsvRecord& record, TaxRequest& request);
    bool writeRow(const CsvRecord& record, const TaxOutcome* outcome, std::string_view status);
    bool reportBadRow(const CsvRecord& record, const std::string& problem);
    void report(long line, const std::string& problem);
    int process(std::FILE* input);
    CsvEncoding outputEncoding() const;

    const BatchOptions& options_;
    const TaxRules& rules_;
    std::ostream& errors_;
    ResultColumns columns_;
    RequestReader requests_;
    std::unique_ptr<CsvRowWriter> writer_;
    const class CsvRecordReader* reader_ = nullptr;
    std::FILE* output_ = nullptr;
    bool stopAtFirstBadRow_ = false;
    bool headerSeen_ = false;
    long badRows_ = 0;
    std::string tax_;
};

} // namespace norvik
