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

// A computed row: its result and, for a salary, the method it was computed by.
struct RowResult {
    TaxResult result;
    std::optional<TaxMethod> method;
};

// Reads the input cells of one kind of row and computes them: what is wrong with the row, or
// nothing and the result.
class RowComputation {
public:
    virtual ~RowComputation() = default;
    virtual std::string compute(const std::vector<std::string>& cells, RowResult& row) = 0;
    // The line on standard error that names the rules (and methods) before any row.
    virtual std::string announcement() const = 0;
};

// The window's computation's own refusal of a value is the row's problem too.
std::string badInputOf(const TaxResult& result) {
    if (result.refused() && result.refusal->reason == RefusalReason::BadInput) {
        return result.refusal->message;
    }
    return {};
}

std::string_view englishMethod(TaxMethod method) {
    return method == TaxMethod::Table ? "the monthly table" : "the computer provision";
}

// "令和8年分の規定で計算します（甲欄は電算機計算の特例、乙欄は月額表） / computing under …"
std::string salaryAnnouncement(const Computation& computation) {
    const TaxMethod kou = methodFor(computation, TaxColumn::Kou);
    const TaxMethod otsu = methodFor(computation, TaxColumn::Otsu);
    const std::string_view name = ruleSetName(computation.rules);
    std::string text(name);
    text += "の規定で計算します（";
    if (kou == otsu) {
        text.append("甲欄・乙欄とも").append(methodCaption(kou));
    } else {
        text.append("甲欄は")
            .append(methodCaption(kou))
            .append("、乙欄は")
            .append(methodCaption(otsu));
    }
    text.append("） / computing under ")
        .append(name)
        .append(" (")
        .append(ruleSetPeriod(computation.rules));
    if (kou == otsu) {
        text.append("; columns 甲 and 乙 by ").append(englishMethod(kou));
    } else {
        text.append("; column 甲 by ")
            .append(englishMethod(kou))
            .append(", column 乙 by ")
            .append(englishMethod(otsu));
    }
    return text + ")";
}

// "令和8年分の規定で賞与を計算します / computing bonuses under …"
std::string bonusAnnouncement(RuleSet rules) {
    const std::string_view name = ruleSetName(rules);
    std::string text(name);
    text.append("の規定で賞与を計算します / computing bonuses under ")
        .append(name)
        .append(" (")
        .append(ruleSetPeriod(rules));
    return text + ")";
}

class SalaryRows : public RowComputation {
public:
    explicit SalaryRows(const Computation& computation)
        : computation_(computation) {}

    std::string compute(const std::vector<std::string>& cells, RowResult& row) override {
        const RequestReading reading = requests_.read(cells[1], cells[2], cells[3], cells[4]);
        if (!reading.problem.empty()) {
            return reading.problem;
        }
        row.result = computeRequest(computation_, reading.request);
        row.method = methodFor(computation_, reading.request.column);
        return badInputOf(row.result);
    }

    std::string announcement() const override { return salaryAnnouncement(computation_); }

private:
    Computation computation_;
    RequestReader requests_;
};

class BonusRows : public RowComputation {
public:
    explicit BonusRows(RuleSet rules)
        : rules_(rules) {}

    std::string compute(const std::vector<std::string>& cells, RowResult& row) override {
        const BonusReading reading = requests_.read(
            {cells[1], cells[2], cells[3], cells[4], cells[5], cells[6], cells[7], cells[8]});
        if (!reading.problem.empty()) {
            return reading.problem;
        }
        row.result = computeBonusTax(rules_, reading.request);
        return badInputOf(row.result);
    }

    std::string announcement() const override { return bonusAnnouncement(rules_); }

private:
    RuleSet rules_;
    BonusRequestReader requests_;
};

std::unique_ptr<RowComputation> rowComputation(BatchKind kind, const Computation& computation) {
    if (kind == BatchKind::Bonus) {
        return std::make_unique<BonusRows>(computation.rules);
    }
    return std::make_unique<SalaryRows>(computation);
}

class BatchRun {
public:
    BatchRun(const BatchOptions& options, const Computation& computation, std::ostream& errors);

    // The exit status: 0 when every row was good, 1 otherwise.
    int run();

private:
    bool onRecord(const CsvRecord& record);
    bool checkHeader(const CsvRecord& record);
    std::string rowProblem(const CsvRecord& record, RowResult& row);
    bool writeRow(const CsvRecord& record, const RowResult* row, std::string_view status);
    bool reportBadRow(const CsvRecord& record, const std::string& problem);
    void report(long line, const std::string& problem);
    int process(std::FILE* input);
    CsvEncoding outputEncoding() const;

    const BatchOptions& options_;
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

BatchRun::BatchRun(const BatchOptions& options, const Computation& computation,
                   std::ostream& errors)
    : options_(options)
    , errors_(errors)
    , columns_(options.kind == BatchKind::Bonus
                   ? ResultColumns::forBonuses(computation.rules, options.captions)
                   : ResultColumns(computation, options.captions))
    , rows_(rowComputation(options.kind, computation))
    , inputs_(columns_.inputNames().size()) {}

int BatchRun::run() {
    errors_ << rows_->announcement() << std::endl;
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
    RowResult row;
    const std::string problem = rowProblem(record, row);
    if (!problem.empty()) {
        return reportBadRow(record, problem);
    }
    tax_ = row.result.tax ? std::to_string(*row.result.tax) : std::string();
    status_ = resultStatus(row.result);
    return writeRow(record, &row, status_);
}

bool BatchRun::checkHeader(const CsvRecord& record) {
    const auto names = columns_.inputNames();
    if (!record.problem.empty() ||
        !std::equal(record.fields.begin(), record.fields.end(), names.begin(), names.end())) {
        ++badRows_;
        report(record.line, record.problem.empty() ? headerProblem(names) : record.problem);
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

std::string BatchRun::rowProblem(const CsvRecord& record, RowResult& row) {
    if (!record.problem.empty()) {
        return record.problem;
    }
    const std::size_t expected = columns_.inputNames().size();
    if (record.fields.size() != expected) {
        return columnCountProblem(expected, record.fields.size());
    }
    return rows_->compute(record.fields, row);
}

bool BatchRun::writeRow(const CsvRecord& record, const RowResult* row, std::string_view status) {
    readInputs(record, inputs_);
    const TaxResult* result = row != nullptr ? &row->result : nullptr;
    const std::optional<TaxMethod> method = row != nullptr ? row->method : std::nullopt;
    const bool encoded = writer_->encode(columns_.row(inputs_, result, method, tax_, status));
    if (!encoded && row != nullptr) {
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

int runBatch(const Computation& computation, const BatchOptions& options, std::ostream& errors) {
    return BatchRun(options, computation, errors).run();
}

} // namespace norvik
