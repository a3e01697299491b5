#include "calc_cli/CommandLine.h"

#include "calc_cli/BatchCommand.h"
#include "calc_cli/BonusCommand.h"
#include "calc_cli/SingleCommand.h"
#include "calc_reiwa/RuleSelection.h"

#include <CLI/CLI.hpp>

#include <map>
#include <optional>
#include <string>

namespace norvik {

namespace {

constexpr int kUsageError = 2;

const char* const kDescription =
    "電算機計算の特例による月額の源泉徴収税額を、窓 (norvik_a・norvik_b) と同じ算式で計算します。\n"
    "Computes the monthly withholding tax by the computer-calculation special provision, with\n"
    "the same amounts and formula texts as the windows (norvik_a, norvik_b).";

const char* const kFooter =
    "規定 / rules (--rules、または支払日 --paid で選びます / chosen by --rules or by --paid):\n"
    "  2007  平成19年分～平成24年分 (2007-01-01～2012-12-31 支払分) 甲欄・乙欄。既定。窓が使う表\n"
    "        / paid 2007-2012, columns 甲 and 乙; the default, the tables the windows use\n"
    "  2020  令和2年分～令和7年分 (2020-01-01～2025-12-31 支払分) 甲欄のみ / paid 2020-2025\n"
    "  2026  令和8年分 (2026年中の支払分) 甲欄のみ / paid in 2026\n"
    "  2027  令和9年分 (2027年中の支払分) 甲欄のみ / paid in 2027\n"
    "  2020 以降の規定は円単位の整数だけを受け付けます。乙欄には電算機計算の特例が\n"
    "  ないので、月額表の乙欄で求めます / the rules since 2020 take whole yen and whole\n"
    "  counts only, and column 乙 has no computer provision under them (look it up in the\n"
    "  monthly table's column 乙).\n"
    "例 / examples:\n"
    "  norvik_calc kou --salary 300,000 --dependents 2 --spouse yes\n"
    "  norvik_calc --rules 2026 kou --salary 175000 --dependents 1 --spouse yes\n"
    "  norvik_calc --paid 2027-01-25 batch payroll.csv --output result.csv\n"
    "  norvik_calc otsu --salary 300000 --dependents 2 --format json\n"
    "  norvik_calc --rules 2026 bonus --bonus 500000 --previous-salary 300000 --dependents 2\n"
    "  norvik_calc --paid 2026-12-10 batch --kind bonus bonuses.csv --output result.csv\n"
    "賞与 / bonuses (bonus, batch --kind bonus): 令和2年分以降の規定で甲欄・乙欄。ふだんは\n"
    "  算出率の表、前月の給与等がないとき・賞与が前月の給与等の10倍を超えるときは月額表\n"
    "  (--long-period で12で割る)。令和9年分は算出率の表がまだないので月額表の場合だけ計算\n"
    "  / under the rules since 2020, both columns: the bonus rate table, or the monthly table\n"
    "  when last month had no salary or the bonus is over ten times it (÷12 with\n"
    "  --long-period); for 2027 only the monthly-table path, the rate table being unknown.\n"
    "終了コード / exit status: 0 正常 / done, 1 不正な入力 / bad input, 2 コマンドの誤り / "
    "usage error\n";

const std::map<std::string, ReportFormat> kFormats = {
    {"text", ReportFormat::Text}, {"csv", ReportFormat::Csv}, {"json", ReportFormat::Json}};
const std::map<std::string, BatchKind> kBatchKinds = {{"salary", BatchKind::Salary},
                                                      {"bonus", BatchKind::Bonus}};
const std::map<std::string, CsvEncoding> kInputEncodings = {{"utf-8", CsvEncoding::Utf8},
                                                            {"cp932", CsvEncoding::Cp932}};
const std::map<std::string, CsvEncoding> kOutputEncodings = {
    {"utf-8", CsvEncoding::Utf8},
    {"utf-8-bom", CsvEncoding::Utf8WithBom},
    {"cp932", CsvEncoding::Cp932}};

// --rules and --paid as given; either may be absent.
struct RulesOptions {
    std::optional<std::string> year;        // "2007", "2020", "2026" or "2027"
    std::optional<std::string> paymentDate; // YYYY-MM-DD
};

// The option a refusal is about: the one that alone is refused, or both when they disagree.
std::string_view optionAtFault(const RulesOptions& options) {
    if (!options.paymentDate) {
        return "--rules";
    }
    if (!options.year || rulesForPaymentDate(*options.paymentDate).refusal) {
        return "--paid";
    }
    return rulesNamed(*options.year).refusal ? "--rules" : "--rules, --paid";
}

// On the program, before the command; a command hands on what it does not know, so they may
// also follow it.
void addRulesOptions(CLI::App& app, RulesOptions& options) {
    app.add_option("--rules", options.year,
                   "規定の年: 2007 (既定)・2020・2026・2027 / the rules by their first year "
                   "(default 2007)")
        ->option_text("2007|2020|2026|2027");
    app.add_option("--paid", options.paymentDate,
                   "給与の支払日。その日の規定で計算します / payment date: computes under the "
                   "rules for that day")
        ->option_text("YYYY-MM-DD");
}

void addSingleOptions(CLI::App& command, SingleOptions& options, bool spouse) {
    command
        .add_option("--salary", options.salary,
                    "その月の社会保険料控除後の給与等の金額 (例 300000, 300,000, 1234.5) / "
                    "the month's salary after social insurance")
        ->required();
    command.add_option("--dependents", options.dependents, "扶養家族数 / number of dependents")
        ->required();
    if (spouse) {
        command
            .add_option("--spouse", options.spouse,
                        "配偶者控除 yes|no (あり|なし) / spouse deduction")
            ->required();
    }
    command.add_option("--format", options.format, "出力形式 / output format")
        ->transform(CLI::CheckedTransformer(kFormats, CLI::ignore_case).description(""))
        ->option_text("text|csv|json");
    command.add_option("--output", options.output,
                       "出力ファイル (省略時は標準出力) / output file (default: standard output)");
}

void addBonusOptions(CLI::App& command, BonusOptions& options) {
    command.add_option("--bonus", options.bonus, "賞与の金額 (円) / the bonus, whole yen")
        ->required();
    command.add_option("--bonus-insurance", options.bonusInsurance,
                       "賞与から控除される社会保険料等の金額 (既定 0) / the bonus's social "
                       "insurance (default 0)");
    command
        .add_option("--previous-salary", options.previousSalary,
                    "前月中の給与等の金額 (賞与を除く、なければ 0) / last month's salary, "
                    "bonuses excluded (0 when none was paid)")
        ->required();
    command.add_option("--previous-insurance", options.previousInsurance,
                       "前月中の社会保険料等の金額 (既定 0) / last month's social insurance "
                       "(default 0)");
    command
        .add_option("--dependents", options.dependents,
                    "扶養家族数 (乙欄は従たる給与の申告書の人数) / number of dependents (乙: "
                    "those declared to the secondary employer)")
        ->required();
    command.add_option("--spouse", options.spouse,
                       "源泉控除対象配偶者 yes|no (あり|なし、甲欄のみ、既定 no) / spouse counted "
                       "(甲 only, default no)");
    command.add_option("--column", options.column, "欄 (既定 kou) / column (default kou)")
        ->check(CLI::IsMember({"kou", "otsu"}))
        ->option_text("kou|otsu");
    command.add_flag("--long-period", options.longPeriod,
                     "賞与の計算期間が6か月を超える / the bonus's computation period is longer "
                     "than six months");
    command.add_option("--format", options.format, "出力形式 / output format")
        ->transform(CLI::CheckedTransformer(kFormats, CLI::ignore_case).description(""))
        ->option_text("text|csv|json");
    command.add_option("--output", options.output,
                       "出力ファイル (省略時は標準出力) / output file (default: standard output)");
}

void addBatchOptions(CLI::App& command, BatchOptions& options) {
    command
        .add_option("FILE", options.input,
                    "見出し id,column,salary,dependents,spouse の CSV (- は標準入力) / CSV "
                    "with that header (- for standard input)")
        ->required();
    command
        .add_option("--kind", options.kind,
                    "行の種類: salary (既定) か bonus (見出し id,column,bonus,bonus_insurance,"
                    "previous_salary,previous_insurance,dependents,spouse,long_period) / what "
                    "the rows are: salaries (default) or bonuses, with that header")
        ->transform(CLI::CheckedTransformer(kBatchKinds).description(""))
        ->option_text("salary|bonus");
    command.add_option("--output", options.output,
                       "出力ファイル: 全行が正しいときだけ作られます / output file, written only "
                       "when every row is good");
    command
        .add_option("--encoding", options.inputEncoding,
                    "入力の文字コード (cp932 は Shift_JIS) / input encoding (cp932: Shift_JIS)")
        ->transform(CLI::CheckedTransformer(kInputEncodings, CLI::ignore_case).description(""))
        ->option_text("utf-8|cp932");
    command
        .add_option("--output-encoding", options.outputEncoding,
                    "出力の文字コード (省略時は入力と同じ) / output encoding (default: as the "
                    "input)")
        ->transform(CLI::CheckedTransformer(kOutputEncodings, CLI::ignore_case).description(""))
        ->option_text("utf-8|utf-8-bom|cp932");
    command.add_flag("--captions", options.captions,
                     "結果の列名を窓の表示名にする / name result columns by the windows' captions");
    command.add_flag("--keep-going", options.keepGoing,
                     "不正な行も status 列に記して続ける (終了コードは 1) / write bad rows marked "
                     "in the status column and go on (exit status still 1)");
}

} // namespace

CommandLine::CommandLine(std::ostream& errors)
    : errors_(errors) {}

int CommandLine::run(int argc, char** argv) {
    CLI::App app(kDescription, "norvik_calc");
    app.footer(kFooter);
    app.set_version_flag("--version", "norvik_calc " NORVIK_VERSION, "版 / version");
    app.require_subcommand(1);
    app.set_help_flag("-h,--help", "この説明 / this help");
    app.fallthrough();
    RulesOptions rulesOptions;
    addRulesOptions(app, rulesOptions);

    SingleOptions kou;
    kou.column = "kou";
    CLI::App* kouCommand = app.add_subcommand("kou", "月額表甲欄 (扶養控除等申告書の提出あり) / "
                                                     "column 甲 (dependents declaration filed)");
    addSingleOptions(*kouCommand, kou, true);

    SingleOptions otsu;
    otsu.column = "otsu";
    CLI::App* otsuCommand =
        app.add_subcommand("otsu", "月額表乙欄 (従たる給与) / column 乙 (secondary employer)");
    addSingleOptions(*otsuCommand, otsu, false);

    BonusOptions bonus;
    CLI::App* bonusCommand = app.add_subcommand(
        "bonus", "賞与 (支払日の規定で) / a bonus, under the rules of its payment date");
    addBonusOptions(*bonusCommand, bonus);

    BatchOptions batch;
    CLI::App* batchCommand =
        app.add_subcommand("batch", "給与の CSV を一行ずつ計算 / compute a payroll CSV row by row");
    addBatchOptions(*batchCommand, batch);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error, std::cout, errors_);
        return status == 0 ? 0 : kUsageError;
    }
    const RuleChoice chosen = chooseRules(rulesOptions.year, rulesOptions.paymentDate);
    if (chosen.refusal) {
        errors_ << optionAtFault(rulesOptions) << ": " << chosen.refusal->message << '\n';
        return kUsageError;
    }
    if (kouCommand->parsed()) {
        return runSingle(chosen.rules, kou, errors_);
    }
    if (otsuCommand->parsed()) {
        return runSingle(chosen.rules, otsu, errors_);
    }
    if (bonusCommand->parsed()) {
        return runBonus(chosen.rules, bonus, errors_);
    }
    return runBatch(chosen.rules, batch, errors_);
}

} // namespace norvik
