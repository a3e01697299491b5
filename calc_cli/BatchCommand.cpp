#include "calc_cli/BatchCommand.h"

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

std::string columnCountProblem(std::size_t count) {
    const std::string expected = std::to_string(ResultColumns::kInputNames.size());
    const std::string found = std::to_string(count);
    if (count < ResultColumns::kInputNames.size()) {
        return "列が足りません (" + expected + "列のところ" + found +
               "列) / missing column: " + found + " of " + expected + " columns";
    }
    return "列が多すぎます (" + expected + "列のところ" + found +
           "列) / too many columns: " + found + " instead of " + expected;
}

std::string headerProblem() {
    std::string names;
    for (const std::string_view name : ResultColumns::kInputNames) {
        names += names.empty() ? "" : ",";
        names += name;
    }
    return "1行目は見出し " + names + " にしてください / the first row must be the header " + names;
}

std::array<std::string_view, ResultColumns::kInputNames.size()> inputsOf(const CsvRecord& record) {
    std::array<std::string_view, ResultColumns::kInputNames.size()> inputs{};
    const std::size_t count = std::min(inputs.size(), record.fields.size());
    std::copy_n(record.fields.begin(), count, inputs.begin());
    return inputs;
}

std::string_view englishMethod(TaxMethod method) {
    return method == TaxMethod::Table ? "the monthly table" : "the computer provision";
}

// "令和8年分の規定で計算します（甲欄は電算機計算の特例、乙欄は月額表） / computing under …"
std::string announcement(const Computation& computation) {
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

class BatchRun {
public:
    BatchRun(const BatchOptions& options, const Computation& computation, std::ostream& errors);

    // The exit status: 0 when every row was good, 1 otherwise.
    int run();

private:
    bool onRecord(const CsvRecord& record);
    bool checkHeader(const CsvRecord& record);
    std::string rowProblem(const CsvRecord& record, TaxRequest& request);
    bool writeRow(const CsvRecord& record, const TaxResult* result, TaxMethod method,
                  std::string_view status);
    bool reportBadRow(const CsvRecord& record, const std::string& problem);
    void report(long line, const std::string& problem);
    int process(std::FILE* input);
    CsvEncoding outputEncoding() const;

    const BatchOptions& options_;
    Computation computation_;
    std::ostream& errors_;
    ResultColumns columns_;
    RequestReader requests_;
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
    , computation_(computation)
    , errors_(errors)
    , columns_(computation, options.captions) {}

int BatchRun::run() {
    errors_ << announcement(computation_) << std::endl;
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
                report(1, headerProblem());
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
    TaxRequest request;
    const std::string problem = rowProblem(record, request);
    if (!problem.empty()) {
        return reportBadRow(record, problem);
    }
    const TaxResult result = computeRequest(computation_, request);
    if (result.refused() && result.refusal->reason == RefusalReason::BadInput) {
        return reportBadRow(record, result.refusal->message);
    }
    tax_ = result.tax ? std::to_string(*result.tax) : std::string();
    status_ = resultStatus(result);
    return writeRow(record, &result, methodFor(computation_, request.column), status_);
}

bool BatchRun::checkHeader(const CsvRecord& record) {
    const auto& names = ResultColumns::kInputNames;
    if (!record.problem.empty() ||
        !std::equal(record.fields.begin(), record.fields.end(), names.begin(), names.end())) {
        ++badRows_;
        report(record.line, record.problem.empty() ? headerProblem() : record.problem);
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

std::string BatchRun::rowProblem(const CsvRecord& record, TaxRequest& request) {
    if (!record.problem.empty()) {
        return record.problem;
    }
    if (record.fields.size() != ResultColumns::kInputNames.size()) {
        return columnCountProblem(record.fields.size());
    }
    RequestReading reading =
        requests_.read(record.fields[1], record.fields[2], record.fields[3], record.fields[4]);
    request = std::move(reading.request);
    return reading.problem;
}

bool BatchRun::writeRow(const CsvRecord& record, const TaxResult* result, TaxMethod method,
                        std::string_view status) {
    const auto inputs = inputsOf(record);
    const bool encoded = writer_->encode(columns_.row(inputs, result, method, tax_, status));
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
        writeRow(record, nullptr, TaxMethod::Computer, problem);
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
