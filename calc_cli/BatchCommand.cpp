#include "calc_cli/BatchCommand.h"

#include "calc_cli/BonusRequest.h"
#include "calc_cli/CsvRecordReader.h"
#include "calc_cli/CsvRowWriter.h"
#include "calc_cli/OutputTarget.h"
#include "calc_cli/Request.h"
#include "calc_cli/ResultColumns.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace norvik {

namespace {

std::string columnCountProblem(std::size_t expectedCount, std::size_t count) {
    const std::string expected = std::to_string(expectedCount);
    const std::string found = std::to_string(count);
    if (count < expectedCount) {
        return "列が足りません (" + expected + "列のところ" + found +
               "列) / missing column: " + found + " of " + expected + " columns";
    }
    return "列が多すぎます (" + expected + "列のところ" + found +
           "列) / too many columns: " + found + " instead of " + expected;
}

std::string headerProblem(std::span<const std::string_view> inputNames) {
    std::string names;
    for (const std::string_view name : inputNames) {
        names += names.empty() ? "" : ",";
        names += name;
    }
    return "1行目は見出し " + names + " にしてください / the first row must be the header " + names;
}

// A bad row's input cells past its last one stay empty.
void readInputs(const CsvRecord& record, std::vector<std::string_view>& inputs) {
    std::fill(inputs.begin(), inputs.end(), std::string_view());
    std::copy_n(record.fields.begin(), std::min(inputs.size(), record.fields.size()),
                inputs.begin());
}

// Reads the input cells of one kind of row and computes them: what is wrong with the row, or
// nothing and the result.
class RowComputation {
public:
    virtual ~RowComputation() = default;
    virtual std::string compute(const std::vector<std::string>& cells, TaxResult& result) = 0;
};

// The window's computation's own refusal of a value is the row's problem too.
std::string badInputOf(const TaxResult& result) {
    if (result.refused() && result.refusal->reason == RefusalReason::BadInput) {
        return result.refusal->message;
    }
    return {};
}

class SalaryRows : public RowComputation {
public:
    explicit SalaryRows(RuleSet rules)
        : rules_(rules) {}

    std::string compute(const std::vector<std::string>& cells, TaxResult& result) override {
        const RequestReading reading = requests_.read(cells[1], cells[2], cells[3], cells[4]);
        if (!reading.problem.empty()) {
            return reading.problem;
        }
        result = computeRequest(rules_, reading.request);
        return badInputOf(result);
    }

private:
    RuleSet rules_;
    RequestReader requests_;
};

class BonusRows : public RowComputation {
public:
    explicit BonusRows(RuleSet rules)
        : rules_(rules) {}

    std::string compute(const std::vector<std::string>& cells, TaxResult& result) override {
        const BonusReading reading = requests_.read(
            {cells[1], cells[2], cells[3], cells[4], cells[5], cells[6], cells[7], cells[8]});
        if (!reading.problem.empty()) {
            return reading.problem;
        }
        result = computeBonusTax(rules_, reading.request);
        return badInputOf(result);
    }

private:
    RuleSet rules_;
    BonusRequestReader requests_;
};

std::unique_ptr<RowComputation> rowComputation(BatchKind kind, RuleSet rules) {
    if (kind == BatchKind::Bonus) {
        return std::make_unique<BonusRows>(rules);
    }
    return std::make_unique<SalaryRows>(rules);
}

class BatchRun {
public:
    BatchRun(const BatchOptions& options, RuleSet rules, std::ostream& errors);

    // The exit status: 0 when every row was good, 1 otherwise.
    int run();

private:
    bool onRecord(const CsvRecord& record);
    bool checkHeader(const CsvRecord& record);
    std::string rowProblem(const CsvRecord& record, TaxResult& result);
    bool writeRow(const CsvRecord& record, const TaxResult* result, std::string_view status);
    bool reportBadRow(const CsvRecord& record, const std::string& problem);
    void report(long line, const std::string& problem);
    int process(std::FILE* input);
    CsvEncoding outputEncoding() const;

    const BatchOptions& options_;
    RuleSet rules_;
    std::ostream& errors_;
    ResultColumns columns_;
    std::unique_ptr<RowComputation> rows_;
    std::vector<std::string_view> inputs_;
    std::unique_ptr<CsvRowWriter> writer_;
    const CsvRecordReader* reader_ = nullptr;
    std::FILE* output_ = nullptr;
    bool stopAtFirstBadRow_ = false;
    bool headerSeen_ = false;
    long badRows_ = 0;
    std::string tax_;
    std::string status_;
};

} // namespace

BatchRun::BatchRun(const BatchOptions& options, RuleSet rules, std::ostream& errors)
    : options_(options)
    , rules_(rules)
    , errors_(errors)
    , columns_(options.kind == BatchKind::Bonus ? ResultColumns::forBonuses(rules, options.captions)
                                                : ResultColumns(rules, options.captions))
    , rows_(rowComputation(options.kind, rules))
    , inputs_(columns_.inputNames().size()) {}

int BatchRun::run() {
    const bool fromStandardInput = options_.input == "-";
    std::FILE* input = fromStandardInput ? stdin : std::fopen(options_.input.c_str(), "rb");
    if (input == nullptr) {
        errors_ << "開けません / cannot open " << options_.input << ": " << std::strerror(errno)
                << '\n';
        return 1;
    }
    const int status = process(input);
    if (!fromStandardInput) {
        std::fclose(input);
    }
    return status;
}

int BatchRun::process(std::FILE* input) {
    try {
        OutputTarget target(options_.output);
        output_ = target.file();
        stopAtFirstBadRow_ = target.isStandardOutput() && !options_.keepGoing;
        CsvRecordReader reader(input, options_.inputEncoding);
        reader_ = &reader;
        try {
            reader.readAll([this](const CsvRecord& record) { return onRecord(record); });
        } catch (const CsvSyntaxError& error) {
            report(error.line(), error.what());
            // The rows before it went out on standard output; a file is never left partial.
            if (writer_ && target.isStandardOutput()) {
                writer_->flush();
            }
            return 1;
        }
        if (!headerSeen_) {
            if (badRows_ == 0) { // an empty input
                report(1, headerProblem(columns_.inputNames()));
            }
            return 1;
        }
        writer_->flush();
        if (badRows_ == 0 || options_.keepGoing || target.isStandardOutput()) {
            target.commit();
        }
    } catch (const std::runtime_error& error) {
        errors_ << error.what() << '\n';
        return 1;
    }
    return badRows_ == 0 ? 0 : 1;
}

CsvEncoding BatchRun::outputEncoding() const {
    if (options_.outputEncoding) {
        return *options_.outputEncoding;
    }
    if (options_.inputEncoding == CsvEncoding::Cp932) {
        return CsvEncoding::Cp932;
    }
    return reader_->hadByteOrderMark() ? CsvEncoding::Utf8WithBom : CsvEncoding::Utf8;
}

bool BatchRun::onRecord(const CsvRecord& record) {
    if (!headerSeen_) {
        return checkHeader(record);
    }
    TaxResult result;
    const std::string problem = rowProblem(record, result);
    if (!problem.empty()) {
        return reportBadRow(record, problem);
    }
    tax_ = result.tax ? std::to_string(*result.tax) : std::string();
    status_ = resultStatus(result);
    return writeRow(record, &result, status_);
}

bool BatchRun::checkHeader(const CsvRecord& record) {
    const auto names = columns_.inputNames();
    if (!record.encodingProblem.empty() ||
        !std::equal(record.fields.begin(), record.fields.end(), names.begin(), names.end())) {
        ++badRows_;
        report(record.line, headerProblem(names));
        return false;
    }
    headerSeen_ = true;
    writer_ = std::make_unique<CsvRowWriter>(output_, outputEncoding());
    std::vector<std::string_view> header(columns_.header().begin(), columns_.header().end());
    if (!writer_->encode(header)) {
        throw std::runtime_error("見出しを出力の文字コードで書けません / the header cannot be "
                                 "written in the output encoding");
    }
    writer_->write();
    return true;
}

std::string BatchRun::rowProblem(const CsvRecord& record, TaxResult& result) {
    if (!record.encodingProblem.empty()) {
        return record.encodingProblem;
    }
    const std::size_t expected = columns_.inputNames().size();
    if (record.fields.size() != expected) {
        return columnCountProblem(expected, record.fields.size());
    }
    return rows_->compute(record.fields, result);
}

bool BatchRun::writeRow(const CsvRecord& record, const TaxResult* result, std::string_view status) {
    readInputs(record, inputs_);
    const bool encoded = writer_->encode(columns_.row(inputs_, result, tax_, status));
    if (!encoded && result != nullptr) {
        return reportBadRow(record, "出力の文字コードで書けない文字があります / a character cannot "
                                    "be written in the output encoding");
    }
    // Once a row was bad, a file without --keep-going will not be kept: only the rest of the
    // rows' problems matter.
    if (badRows_ == 0 || options_.keepGoing) {
        writer_->write();
    }
    return true;
}

bool BatchRun::reportBadRow(const CsvRecord& record, const std::string& problem) {
    ++badRows_;
    report(record.line, problem);
    if (options_.keepGoing) {
        tax_.clear();
        writeRow(record, nullptr, problem);
    }
    return !stopAtFirstBadRow_;
}

void BatchRun::report(long line, const std::string& problem) {
    errors_ << line << "行目 / line " << line << ": " << problem << '\n';
}

int runBatch(RuleSet rules, const BatchOptions& options, std::ostream& errors) {
    return BatchRun(options, rules, errors).run();
}

} // namespace norvik
