#include "calc_cli/BatchRun.h"

#include "calc_cli/CsvRecordReader.h"
#include "calc_cli/OutputTarget.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace norvik {

namespace {

constexpr std::string_view kOk = "ok";

std::string ColumnCountProblem(std::size_t count) {
    const std::string expected = std::to_string(ResultColumns::kInputNames.size());
    const std::string found = std::to_string(count);
    if (count < ResultColumns::kInputNames.size()) {
        return "列が足りません (" + expected + "列のところ" + found +
               "列) / missing column: " + found + " of " + expected + " columns";
    }
    return "列が多すぎます (" + expected + "列のところ" + found +
           "列) / too many columns: " + found + " instead of " + expected;
}

std::string HeaderProblem() {
    std::string names;
    for (const std::string_view name : ResultColumns::kInputNames) {
        names += names.empty() ? "" : ",";
        names += name;
    }
    return "1行目は見出し " + names + " にしてください / the first row must be the header " + names;
}

std::array<std::string_view, ResultColumns::kInputNames.size()> InputsOf(const CsvRecord& record) {
    std::array<std::string_view, ResultColumns::kInputNames.size()> inputs{};
    const std::size_t count = std::min(inputs.size(), record.fields.size());
    std::copy_n(record.fields.begin(), count, inputs.begin());
    return inputs;
}

} // namespace

BatchRun::BatchRun(const BatchOptions& options, const TaxRules& rules, std::ostream& errors)
    : options_(options)
    , rules_(rules)
    , errors_(errors)
    , columns_(rules, options.captions) {}

int BatchRun::Run() {
    const bool fromStandardInput = options_.input == "-";
    std::FILE* input = fromStandardInput ? stdin : std::fopen(options_.input.c_str(), "rb");
    if (input == nullptr) {
        errors_ << "開けません / cannot open " << options_.input << ": " << std::strerror(errno)
                << '\n';
        return 1;
    }
    const int status = Process(input);
    if (!fromStandardInput) {
        std::fclose(input);
    }
    return status;
}

int BatchRun::Process(std::FILE* input) {
    try {
        OutputTarget target(options_.output);
        output_ = target.File();
        stopAtFirstBadRow_ = target.IsStandardOutput() && !options_.keepGoing;
        CsvRecordReader reader(input, options_.inputEncoding);
        reader_ = &reader;
        try {
            reader.ReadAll([this](const CsvRecord& record) { return OnRecord(record); });
        } catch (const CsvSyntaxError& error) {
            Report(error.Line(), error.what());
            // The rows before it went out on standard output; a file is never left partial.
            if (writer_ && target.IsStandardOutput()) {
                writer_->Flush();
            }
            return 1;
        }
        if (!headerSeen_) {
            if (badRows_ == 0) { // an empty input
                Report(1, HeaderProblem());
            }
            return 1;
        }
        writer_->Flush();
        if (badRows_ == 0 || options_.keepGoing || target.IsStandardOutput()) {
            target.Commit();
        }
    } catch (const std::runtime_error& error) {
        errors_ << error.what() << '\n';
        return 1;
    }
    return badRows_ == 0 ? 0 : 1;
}

CsvEncoding BatchRun::OutputEncoding() const {
    if (options_.outputEncoding) {
        return *options_.outputEncoding;
    }
    if (options_.inputEncoding == CsvEncoding::Cp932) {
        return CsvEncoding::Cp932;
    }
    return reader_->HadByteOrderMark() ? CsvEncoding::Utf8WithBom : CsvEncoding::Utf8;
}

bool BatchRun::OnRecord(const CsvRecord& record) {
    if (!headerSeen_) {
        return CheckHeader(record);
    }
    TaxRequest request;
    const std::string problem = RowProblem(record, request);
    if (!problem.empty()) {
        return ReportBadRow(record, problem);
    }
    const TaxOutcome outcome = rules_.Compute(request);
    if (outcome.BadInput()) {
        return ReportBadRow(record, outcome.inputProblem);
    }
    tax_ = outcome.tax ? std::to_string(*outcome.tax) : std::string();
    return WriteRow(record, &outcome, outcome.Refused() ? outcome.refusal : kOk);
}

bool BatchRun::CheckHeader(const CsvRecord& record) {
    const auto& names = ResultColumns::kInputNames;
    if (!record.encodingProblem.empty() ||
        !std::equal(record.fields.begin(), record.fields.end(), names.begin(), names.end())) {
        ++badRows_;
        Report(record.line, HeaderProblem());
        return false;
    }
    headerSeen_ = true;
    writer_ = std::make_unique<CsvRowWriter>(output_, OutputEncoding());
    std::vector<std::string_view> header(columns_.Header().begin(), columns_.Header().end());
    if (!writer_->Encode(header)) {
        throw std::runtime_error("見出しを出力の文字コードで書けません / the header cannot be "
                                 "written in the output encoding");
    }
    writer_->Write();
    return true;
}

std::string BatchRun::RowProblem(const CsvRecord& record, TaxRequest& request) {
    if (!record.encodingProblem.empty()) {
        return record.encodingProblem;
    }
    if (record.fields.size() != ResultColumns::kInputNames.size()) {
        return ColumnCountProblem(record.fields.size());
    }
    RequestReading reading =
        requests_.Read(record.fields[1], record.fields[2], record.fields[3], record.fields[4]);
    request = std::move(reading.request);
    return reading.problem;
}

bool BatchRun::WriteRow(const CsvRecord& record, const TaxOutcome* outcome,
                        std::string_view status) {
    const auto inputs = InputsOf(record);
    const bool encoded = writer_->Encode(columns_.Row(inputs, outcome, tax_, status));
    if (!encoded && outcome != nullptr) {
        return ReportBadRow(record, "出力の文字コードで書けない文字があります / a character cannot "
                                    "be written in the output encoding");
    }
    // Once a row was bad, a file without --keep-going will not be kept: only the rest of the
    // rows' problems matter.
    if (badRows_ == 0 || options_.keepGoing) {
        writer_->Write();
    }
    return true;
}

bool BatchRun::ReportBadRow(const CsvRecord& record, const std::string& problem) {
    ++badRows_;
    Report(record.line, problem);
    if (options_.keepGoing) {
        tax_.clear();
        WriteRow(record, nullptr, problem);
    }
    return !stopAtFirstBadRow_;
}

void BatchRun::Report(long line, const std::string& problem) {
    errors_ << line << "行目 / line " << line << ": " << problem << '\n';
}

} // namespace norvik
