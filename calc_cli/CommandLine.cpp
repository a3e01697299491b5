#include "calc_cli/CommandLine.h"

#include "calc_cli/BatchCommand.h"
#include "calc_cli/BonusCommand.h"
#include "calc_cli/SingleCommand.h"
#include "calc_reiwa/MonthlyTable.h"
#include "calc_reiwa/RuleSelection.h"

#include <CLI/CLI.hpp>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace norvik {

namespace {

constexpr int kUsageError = 2;

const char* const kDescription =
    "月額の源泉徴収税額を、電算機計算の特例または月額表で計算します。2007 の規定では画面\n"
    "(norvik_a・norvik_b) と同じ金額と算式を示します。\n"
    "Computes the monthly withholding tax by the computer-calculation special provision or by\n"
    "the monthly table; under the 2007 rules with the same amounts and formula texts as the\n"
    "windows (norvik_a, norvik_b).";

const char* const kFooter =
    "規定 / rules (--rules か支払日 --paid で選びます。どちらもなければ今日の日付の規定 /\n"
    "chosen by --rules or by the payment date --paid; with neither, the rules in force today):\n"
    "  2007  平成19年分～平成24年分 (2007-01-01～2012-12-31 支払分) 甲欄・乙欄。画面が使う表\n"
    "        / paid 2007-2012, columns 甲 and 乙; the tables the windows use\n"
    "  2020  令和2年分～令和7年分 (2020-01-01～2025-12-31 支払分) / paid 2020-2025\n"
    "  2026  令和8年分 (2026年中の支払分) / paid in 2026\n"
    "  2027  令和9年分 (2027年中の支払分) / paid in 2027\n"
    "  今日がどの期間にも入らなければ --rules か --paid が必要です / on a day no rules cover,\n"
    "  give --rules or --paid.\n"
    "方法 / method (--method computer|table):\n"
    "  2020 以降の規定では、甲欄は電算機計算の特例 (computer、既定) か月額表 (table)、乙欄は\n"
    "  月額表で求めます (乙欄に電算機計算の特例はありません)。月額表の扶養親族等の数は、甲欄\n"
    "  では扶養家族数に配偶者ありなら1を加えた数、乙欄では従たる給与についての扶養控除等申告書\n"
    "  に記載された扶養親族等の数 (--dependents、配偶者も含めて数えます) です。円単位・人数の\n"
    "  整数だけを受け付けます。2007 の規定は電算機計算の特例だけです (その月額表はありません)。\n"
    "  / under the rules since 2020 column 甲 is computed by the computer provision (computer,\n"
    "  the default) or by the monthly table (table), column 乙 by the monthly table, since it\n"
    "  has no computer provision. The table's count of 扶養親族等 is, for 甲, the dependents plus\n"
    "  1 with --spouse yes; for 乙, the persons declared on the 従たる給与についての扶養控除等\n"
    "  申告書 (--dependents, a spouse counted among them). Whole yen and whole counts only. The\n"
    "  2007 rules have the computer provision only (their tables are not in this program).\n"
    "例 / examples:\n"
    "  norvik_calc kou --salary 300,000 --dependents 1 --spouse yes   (今日の規定 / today's "
    "rules)\n"
    "  norvik_calc --method table kou --salary 300000 --dependents 1 --spouse yes\n"
    "  norvik_calc --rules 2026 otsu --salary 300000 --dependents 2\n"
    "  norvik_calc --rules 2007 kou --salary 300000 --dependents 2 --spouse yes   (画面の表 / the "
    "windows' tables)\n"
    "  norvik_calc --paid 2027-01-25 batch payroll.csv --output result.csv\n"
    "  norvik_calc --rules 2007 otsu --salary 300000 --dependents 2 --format json\n"
    "  norvik_calc --rules 2026 bonus --bonus 500000 --previous-salary 300000 --dependents 2\n"
    "  norvik_calc --paid 2026-12-10 batch --kind bonus bonuses.csv --output result.csv\n"
    "賞与 / bonuses (bonus, batch --kind bonus): 令和2年分以降の規定で甲欄・乙欄。ふだんは\n"
    "  算出率の表、前月の給与等がないとき・賞与が前月の給与等の10倍を超えるときは月額表\n"
    "  (--long-period で12で割る)。令和9年分は算出率の表がまだないので月額表の場合だけ計算\n"
    "  / under the rules since 2020, both columns: the bonus rate table, or the monthly table\n"
    "  when last month had no salary or the bonus is over ten times it (÷12 with\n"
    "  --long-period); for 2027 only the monthly-table path, the rate table being unknown.\n"
    "  賞与の方法は金額で決まるので --method は使えません / the amounts choose the bonus's\n"
    "  method, so --method is refused with bonuses.\n"
    "終了コード / exit status: 0 正常 / done, 1 不正な入力 / bad input, 2 コマンドの誤り / "
    "usage error\n";

// The options every command takes, as the program's help and each command's help show them.
struct CommonOption {
    const char* name;
    const char* value;
    const char* description;
};

const CommonOption kRulesOption{"--rules", "2007|2020|2026|2027",
                                "規定の年 (既定は今日の規定) / the rules by their first year "
                                "(default: the rules in force today)"};
const CommonOption kPaidOption{"--paid", "YYYY-MM-DD",
                               "給与の支払日。その日の規定で計算します / payment date: computes "
                               "under the rules for that day"};
const CommonOption kMethodOption{"--method", "computer|table",
                                 "電算機計算の特例か月額表か (既定は甲欄 computer、2020 以降の"
                                 "乙欄 table) / the computer provision or the monthly table "
                                 "(default: computer for 甲, table for 乙 since 2020)"};

const char* const kNoMethodForBonuses =
    "  --method は賞与には使えません (算出率の表か月額表かは金額で決まります) / --method does "
    "not\n  apply to bonuses: their amounts choose the rate table or the monthly table\n";

// The common options as a command's help lists them; a bonus has no choice of method.
std::string commonOptionsFooter(bool bonuses) {
    std::string text = "全コマンド共通のオプション (コマンドの前にも後にも置けます) / options "
                       "for every command (before or after it):\n";
    const auto options =
        bonuses ? std::vector<const CommonOption*>{&kRulesOption, &kPaidOption}
                : std::vector<const CommonOption*>{&kRulesOption, &kPaidOption, &kMethodOption};
    for (const CommonOption* option : options) {
        text.append("  ")
            .append(option->name)
            .append(" ")
            .append(option->value)
            .append("\n      ")
            .append(option->description)
            .append("\n");
    }
    return bonuses ? text + kNoMethodForBonuses : text;
}

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

// --rules, --paid and --method as given; any may be absent.
struct RulesOptions {
    std::optional<std::string> year;        // "2007", "2020", "2026" or "2027"
    std::optional<std::string> paymentDate; // YYYY-MM-DD
    std::optional<std::string> method;      // "computer" or "table"
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
    app.add_option(kRulesOption.name, options.year, kRulesOption.description)
        ->option_text(kRulesOption.value);
    app.add_option(kPaidOption.name, options.paymentDate, kPaidOption.description)
        ->option_text(kPaidOption.value);
    app.add_option(kMethodOption.name, options.method, kMethodOption.description)
        ->check(CLI::IsMember({methodName(TaxMethod::Computer), methodName(TaxMethod::Table)})
                    .description(""))
        ->option_text(kMethodOption.value);
}

// The library's own messages are English; the clerk reads Japanese first, as everywhere else.
std::string japaneseFor(const CLI::ParseError& error) {
    const std::string english = error.what();
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        constexpr std::string_view required = " is required";
        if (english.starts_with("--") && english.ends_with(required)) {
            return english.substr(0, english.size() - required.size()) + " を指定してください";
        }
        return "コマンド kou・otsu・bonus・batch のどれかを指定してください";
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        return "知らないオプションかコマンドです (コマンドは kou・otsu・bonus・batch)";
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        return "オプションの値がありません";
    }
    if (dynamic_cast<const CLI::ValidationError*>(&error) != nullptr ||
        dynamic_cast<const CLI::ConversionError*>(&error) != nullptr) {
        return "オプションの値が正しくありません";
    }
    return "コマンドを読めません";
}

void reportParseError(const CLI::ParseError& error, std::ostream& errors) {
    errors << japaneseFor(error) << " / " << error.what() << '\n'
           << "使い方は --help で / run with --help for more information\n";
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
    command.add_flag(
        "--captions", options.captions,
        "結果の列名を画面の表示名にする / name result columns by the windows' captions");
    command.add_flag("--keep-going", options.keepGoing,
                     "不正な行も status 列に記して続ける (終了コードは 1) / write bad rows marked "
                     "in the status column and go on (exit status still 1)");
}

// The rules and method the options choose, or nothing when they choose none (told on `errors`).
std::optional<Computation> chooseComputation(const RulesOptions& options,
                                             const TodayProvider& today, std::ostream& errors) {
    const bool fromToday = !options.year && !options.paymentDate;
    const std::string todayText = fromToday ? today() : std::string();
    const RuleChoice chosen = chooseRules(
        options.year, fromToday ? std::optional<std::string>(todayText) : options.paymentDate);
    if (chosen.refusal && fromToday) {
        errors << "--rules, --paid: 指定がないので今日 " << todayText
               << " の規定を使うところですが、" << chosen.refusal->message
               << " --rules か --paid で選んでください / neither --rules nor --paid was given, "
                  "and no rules cover today, "
               << todayText << ": choose them with --rules or --paid\n";
        return std::nullopt;
    }
    if (chosen.refusal) {
        errors << optionAtFault(options) << ": " << chosen.refusal->message << '\n';
        return std::nullopt;
    }
    std::optional<TaxMethod> method;
    if (options.method) {
        method = *options.method == methodName(TaxMethod::Table) ? TaxMethod::Table
                                                                 : TaxMethod::Computer;
    }
    if (chosen.rules == RuleSet::Paid2007to2012 && method == TaxMethod::Table) {
        const TaxResult noTable = computeMonthlyTable(chosen.rules, TaxColumn::Kou, 0, 0);
        errors << "--method: " << noTable.refusal->message
               << " / the 2007 rules have no monthly table in this program: --method table "
                  "needs --rules 2020, 2026 or 2027\n";
        return std::nullopt;
    }
    return Computation{chosen.rules, method};
}

} // namespace

CommandLine::CommandLine(std::ostream& errors, TodayProvider today)
    : errors_(errors)
    , today_(std::move(today)) {}

int CommandLine::run(int argc, char** argv) {
    CLI::App app(kDescription, "norvik_calc");
    app.footer(kFooter);
    app.set_version_flag("--version", "norvik_calc " NORVIK_VERSION "\n" NORVIK_LICENCE_NOTICE,
                         "版と使用許諾 / version and licence");
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

    for (CLI::App* command : {kouCommand, otsuCommand}) {
        command->footer(commonOptionsFooter(false));
    }
    bonusCommand->footer(commonOptionsFooter(true));
    batchCommand->footer(commonOptionsFooter(false) +
                         "  --kind bonus では --method は使えません / with --kind bonus, "
                         "--method is refused\n");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) { // --help or --version
            return app.exit(error, std::cout, errors_);
        }
        reportParseError(error, errors_);
        return kUsageError;
    }
    const bool bonuses =
        bonusCommand->parsed() || (batchCommand->parsed() && batch.kind == BatchKind::Bonus);
    if (bonuses && rulesOptions.method) {
        errors_ << "--method: 賞与には方法を選べません。算出率の表か月額表かは賞与と前月の給与等の"
                   "金額で決まります / --method does not apply to bonuses: their amounts choose "
                   "the rate table or the monthly table\n";
        return kUsageError;
    }
    const std::optional<Computation> computation = chooseComputation(rulesOptions, today_, errors_);
    if (!computation) {
        return kUsageError;
    }
    if (kouCommand->parsed()) {
        return runSingle(*computation, kou, errors_);
    }
    if (otsuCommand->parsed()) {
        return runSingle(*computation, otsu, errors_);
    }
    if (bonusCommand->parsed()) {
        return runBonus(computation->rules, bonus, errors_);
    }
    return runBatch(*computation, batch, errors_);
}

} // namespace norvik
