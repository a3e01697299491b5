# Converts the withholding tables (tables/*.tsv, format in tables/README.md) into one C++ source
# that defines them as constant arrays, so that no figure is typed twice and the programs need
# no file at run time. Run at build time, on the build machine, as
#   cmake -DTABLES_DIR=<dir> -DMONTHLY=monthly-2020,monthly-2026 -DBONUS=bonus-2020
#         -DOUTPUT=<file.cpp> -P GenerateTables.cmake
# A plain CMake script needs nothing beyond CMake itself, also when the core is cross-built.
#
# Every line is checked before anything is written: the lookup relies on the lines' order and on
# each column's bands following on without a gap, and a mistyped figure must stop the build with
# the file and line rather than reach a clerk.

cmake_minimum_required(VERSION 3.25)

set(monthly_header "kind;lower;upper;kou0;kou1;kou2;kou3;kou4;kou5;kou6;kou7;kou_rate;otsu;otsu_rate")
set(bonus_header "kind;rate")
foreach(column kou0 kou1 kou2 kou3 kou4 kou5 kou6 kou7 otsu)
    list(APPEND bonus_header ${column}_lower ${column}_upper)
endforeach()

# The position (file:line) of the line being converted, for messages.
set(where "")

function(fail message)
    message(FATAL_ERROR "${where}: ${message}")
endfunction()

# Reads a table's data lines, each a list of its fields, into <out>_0 … <out>_{n-1} with their
# line numbers in <out>_line_i, and their count into <out>_count. Comments and blank lines are
# dropped; the header must be `header`. List separators and brackets in comments are masked
# first, so that CMake's list splitting sees only the file's own lines.
function(read_table path header out)
    get_filename_component(name "${path}" NAME)
    file(READ "${path}" content)
    string(REPLACE "\r" "" content "${content}")
    string(REPLACE ";" "<semicolon>" content "${content}")
    string(REPLACE "[" "<open>" content "${content}")
    string(REPLACE "]" "<close>" content "${content}")
    string(REPLACE "\n" ";" lines "${content}")
    set(number 0)
    set(count 0)
    set(header_seen FALSE)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        if(line STREQUAL "" OR line MATCHES "^#")
            continue()
        endif()
        set(where "${name}:${number}")
        if(line MATCHES "<semicolon>|<open>|<close>")
            fail("a data line may not hold ';', '[' or ']'")
        endif()
        string(REPLACE "\t" ";" fields "${line}")
        if(NOT header_seen)
            if(NOT fields STREQUAL header)
                string(REPLACE ";" " " expected "${header}")
                fail("the header must be: ${expected}")
            endif()
            set(header_seen TRUE)
            continue()
        endif()
        list(LENGTH fields field_count)
        list(LENGTH header header_count)
        if(NOT field_count EQUAL header_count)
            fail("${field_count} fields, the header has ${header_count}")
        endif()
        set(${out}_${count} "${fields}" PARENT_SCOPE)
        set(${out}_line_${count} "${name}:${number}" PARENT_SCOPE)
        math(EXPR count "${count} + 1")
    endforeach()
    if(NOT header_seen)
        set(where "${name}")
        fail("no header line")
    endif()
    set(${out}_count ${count} PARENT_SCOPE)
endfunction()

# A whole number of yen as C++, or std::nullopt for "-" where `absent_allowed`.
function(yen_figure text absent_allowed out)
    if(text STREQUAL "-" AND absent_allowed)
        set(${out} "std::nullopt" PARENT_SCOPE)
    elseif(text MATCHES "^(0|[1-9][0-9]?[0-9]?[0-9]?[0-9]?[0-9]?[0-9]?[0-9]?[0-9]?)$")
        set(${out} "${text}" PARENT_SCOPE)
    else()
        fail("'${text}' is not a whole number of yen below 1,000,000,000")
    endif()
endfunction()

# A rate written as a fraction below 1 ("0.4084", "0") as hundred-thousandths (40840).
function(rate_figure text absent_allowed out)
    if(text STREQUAL "-" AND absent_allowed)
        set(${out} "std::nullopt" PARENT_SCOPE)
        return()
    endif()
    if(NOT text MATCHES "^0(\\.([0-9][0-9]?[0-9]?[0-9]?[0-9]?))?$")
        fail("'${text}' is not a rate below 1 with at most five decimals")
    endif()
    string(SUBSTRING "${CMAKE_MATCH_2}00000" 0 5 digits)
    # Leading zeros would make an octal literal in C++.
    string(REGEX MATCH "[1-9][0-9]*$" digits "${digits}")
    if(digits STREQUAL "")
        set(digits 0)
    endif()
    set(${out} "${digits}" PARENT_SCOPE)
endfunction()

# Checks that a band starts where the column's previous one ended (or at 0 for the first).
function(check_follows lower previous_upper column)
    if(previous_upper STREQUAL "-")
        fail("column ${column} has a band after its open-ended last band")
    endif()
    if(NOT lower EQUAL previous_upper)
        fail("column ${column}: the band starts at ${lower}, the one before ends at ${previous_upper}")
    endif()
endfunction()

# The C++ for the monthly line in `fields`, appended to `cpp`; checks which figures its kind has
# and that its bands follow on. Works in the caller's scope, which keeps the kind seen last
# (last_kind, first_line) and each column's last upper bound (kou_upper, otsu_upper).
macro(convert_monthly_line)
    list(GET fields 0 kind)
    list(GET fields 1 lower)
    list(GET fields 2 upper)
    list(SUBLIST fields 3 8 kou_texts)
    list(GET fields 11 kou_rate_text)
    list(GET fields 12 otsu_text)
    list(GET fields 13 otsu_rate_text)

    set(order_below 0)
    set(order_row 1)
    set(order_kou_formula 2)
    set(order_otsu_formula 3)
    if(NOT DEFINED order_${kind})
        fail("unknown kind '${kind}'")
    endif()
    if(order_${kind} LESS order_${last_kind} OR (kind STREQUAL "below" AND NOT first_line))
        fail("a '${kind}' line after a '${last_kind}' line: the order is below, row, "
            "kou_formula, otsu_formula")
    endif()
    if(first_line AND NOT kind STREQUAL "below")
        fail("the first line must be the 'below' line")
    endif()

    yen_figure("${lower}" FALSE lower_cpp)
    yen_figure("${upper}" TRUE upper_cpp)
    set(has_kou FALSE)
    set(has_otsu FALSE)
    set(has_kou_rate FALSE)
    set(has_otsu_rate FALSE)
    if(kind STREQUAL "below")
        set(has_kou TRUE)
        set(has_otsu TRUE)
        set(has_otsu_rate TRUE)
        set(cpp_kind Below)
    elseif(kind STREQUAL "row")
        set(has_kou TRUE)
        set(has_otsu TRUE)
        set(cpp_kind Row)
    elseif(kind STREQUAL "kou_formula")
        set(has_kou TRUE)
        set(has_kou_rate TRUE)
        set(cpp_kind KouFormula)
    else()
        set(has_otsu TRUE)
        set(has_otsu_rate TRUE)
        set(cpp_kind OtsuFormula)
    endif()

    if(has_kou)
        check_follows("${lower}" "${kou_upper}" 甲)
        set(kou_upper "${upper}")
    endif()
    if(has_otsu)
        check_follows("${lower}" "${otsu_upper}" 乙)
        set(otsu_upper "${upper}")
    endif()
    if(NOT upper STREQUAL "-" AND NOT upper GREATER lower)
        fail("the band ends at ${upper}, not above its start ${lower}")
    endif()
    if(upper STREQUAL "-" AND kind MATCHES "^(below|row)$")
        fail("a '${kind}' line needs an upper bound")
    endif()

    set(kou_cpp "")
    foreach(text IN LISTS kou_texts)
        if(has_kou)
            yen_figure("${text}" FALSE figure)
        elseif(text STREQUAL "-")
            set(figure "std::nullopt")
        else()
            fail("a '${kind}' line has no 甲 amounts: '-' expected")
        endif()
        list(APPEND kou_cpp "${figure}")
    endforeach()
    string(REPLACE ";" ", " kou_cpp "${kou_cpp}")

    foreach(figure kou_rate otsu otsu_rate)
        if(figure MATCHES "rate")
            set(convert rate_figure)
        else()
            set(convert yen_figure)
        endif()
        if(has_${figure})
            cmake_language(CALL ${convert} "${${figure}_text}" FALSE ${figure}_cpp)
        elseif(${figure}_text STREQUAL "-")
            set(${figure}_cpp "std::nullopt")
        else()
            fail("a '${kind}' line has no ${figure}: '-' expected")
        endif()
    endforeach()

    string(APPEND cpp "    {MonthlyLineKind::${cpp_kind}, ${lower_cpp}, ${upper_cpp}, {${kou_cpp}}, "
        "${kou_rate_cpp}, ${otsu_cpp}, ${otsu_rate_cpp}},\n")
    set(last_kind ${kind})
    set(first_line FALSE)
endmacro()

# Appends the arrays and the table of one monthly file to `cpp`.
function(convert_monthly name id)
    read_table("${TABLES_DIR}/${name}.tsv" "${monthly_header}" line)
    set(cpp "${out_cpp}constexpr MonthlyTableLine k${id}Lines[] = {\n")
    set(first_line TRUE)
    set(last_kind below)
    set(kou_upper 0)
    set(otsu_upper 0)
    set(rows 0)
    set(kou_formulas 0)
    set(otsu_formulas 0)
    math(EXPR last "${line_count} - 1")
    foreach(i RANGE ${last})
        set(where "${line_line_${i}}")
        set(fields "${line_${i}}")
        convert_monthly_line()
        if(kind MATCHES "^(below|row)$")
            math(EXPR rows "${rows} + 1")
        elseif(kind STREQUAL "kou_formula")
            math(EXPR kou_formulas "${kou_formulas} + 1")
        else()
            math(EXPR otsu_formulas "${otsu_formulas} + 1")
        endif()
    endforeach()
    set(where "${name}.tsv")
    if(kou_formulas EQUAL 0 OR otsu_formulas EQUAL 0)
        fail("each column needs its rate lines")
    endif()
    if(NOT kou_upper STREQUAL "-" OR NOT otsu_upper STREQUAL "-")
        fail("each column's last band must have no upper bound ('-')")
    endif()
    math(EXPR otsu_start "${rows} + ${kou_formulas}")
    string(APPEND cpp "};\n\n"
        "constexpr std::span<const MonthlyTableLine> k${id}{k${id}Lines};\n\n")
    string(APPEND tables_cpp "    {\"${name}.tsv\", k${id}, k${id}.first(${rows}), "
        "k${id}.subspan(${rows}, ${kou_formulas}), k${id}.subspan(${otsu_start})},\n")
    set(out_cpp "${cpp}" PARENT_SCOPE)
    set(tables_cpp "${tables_cpp}" PARENT_SCOPE)
endfunction()

# The C++ for one bonus band of `column` (0 … 7 for 甲, otsu); checks that it follows on from the
# column's previous band, whose upper bound is in upper_of_<column> and moves on to this one's.
function(convert_bonus_band lower upper column out)
    if(column STREQUAL "otsu")
        set(label 乙)
        if(lower STREQUAL "-" AND upper STREQUAL "-")
            set(${out} "{std::nullopt, std::nullopt}" PARENT_SCOPE)
            return()
        endif()
    else()
        set(label "甲 ${column}人")
    endif()
    yen_figure("${lower}" FALSE band_lower)
    yen_figure("${upper}" TRUE band_upper)
    check_follows("${lower}" "${upper_of_${column}}" "${label}")
    if(NOT upper STREQUAL "-" AND NOT upper GREATER lower)
        fail("column ${label}: the band ends at ${upper}, not above its start ${lower}")
    endif()
    set(upper_of_${column} "${upper}" PARENT_SCOPE)
    set(${out} "{${band_lower}, ${band_upper}}" PARENT_SCOPE)
endfunction()

function(convert_bonus name id)
    read_table("${TABLES_DIR}/${name}.tsv" "${bonus_header}" row)
    set(cpp "${out_cpp}constexpr BonusTableRow k${id}Rows[] = {\n")
    set(columns 0 1 2 3 4 5 6 7 otsu)
    foreach(column IN LISTS columns)
        set(upper_of_${column} 0)
    endforeach()
    math(EXPR last "${row_count} - 1")
    foreach(i RANGE ${last})
        set(where "${row_line_${i}}")
        set(fields "${row_${i}}")
        list(GET fields 0 kind)
        if(NOT kind STREQUAL "row")
            fail("unknown kind '${kind}': bonus tables have 'row' lines only")
        endif()
        list(GET fields 1 rate_text)
        rate_figure("${rate_text}" FALSE rate)
        set(bands "")
        set(at 2)
        foreach(column IN LISTS columns)
            math(EXPR at_upper "${at} + 1")
            list(GET fields ${at} lower)
            list(GET fields ${at_upper} upper)
            convert_bonus_band("${lower}" "${upper}" ${column} band)
            list(APPEND bands "${band}")
            math(EXPR at "${at} + 2")
        endforeach()
        list(POP_BACK bands otsu_band)
        string(REPLACE ";" ", " kou_bands "${bands}")
        string(APPEND cpp "    {${rate}, {{${kou_bands}}}, ${otsu_band}},\n")
    endforeach()
    set(where "${name}.tsv")
    foreach(column IN LISTS columns)
        if(NOT upper_of_${column} STREQUAL "-")
            fail("column ${column}: the last band must have no upper bound ('-')")
        endif()
    endforeach()
    string(APPEND cpp "};\n\n")
    string(APPEND tables_cpp "    {\"${name}.tsv\", k${id}Rows},\n")
    set(out_cpp "${cpp}" PARENT_SCOPE)
    set(tables_cpp "${tables_cpp}" PARENT_SCOPE)
endfunction()

# "monthly-2026" → "Monthly2026", the suffix of its names in C++.
function(cpp_id name out)
    string(REGEX REPLACE "^(.)([^-]*)-(.*)$" "\\1;\\2;\\3" parts "${name}")
    list(GET parts 0 initial)
    list(GET parts 1 rest)
    list(GET parts 2 year)
    string(TOUPPER "${initial}" initial)
    set(${out} "${initial}${rest}${year}" PARENT_SCOPE)
endfunction()

foreach(variable TABLES_DIR MONTHLY BONUS OUTPUT)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "GenerateTables.cmake needs -D${variable}=…")
    endif()
endforeach()
string(REPLACE "," ";" monthly_names "${MONTHLY}")
string(REPLACE "," ";" bonus_names "${BONUS}")

set(out_cpp "")
set(accessors "")
set(tables_cpp "")
foreach(name IN LISTS monthly_names)
    cpp_id(${name} id)
    convert_monthly(${name} ${id})
    string(REGEX REPLACE "^Monthly" "" year "${id}")
    list(FIND monthly_names ${name} index)
    string(APPEND accessors "const MonthlyTable& monthlyTable${year}() {\n"
        "    return kMonthlyTables[${index}];\n}\n\n")
endforeach()
set(monthly_tables_cpp "${tables_cpp}")
set(tables_cpp "")
foreach(name IN LISTS bonus_names)
    cpp_id(${name} id)
    convert_bonus(${name} ${id})
    string(REGEX REPLACE "^Bonus" "" year "${id}")
    list(FIND bonus_names ${name} index)
    string(APPEND accessors "const BonusTable& bonusTable${year}() {\n"
        "    return kBonusTables[${index}];\n}\n\n")
endforeach()

string(REPLACE "," ", " sources "${MONTHLY},${BONUS}")
file(CONFIGURE OUTPUT "${OUTPUT}.new" @ONLY CONTENT
"// Generated at build time by tables/GenerateTables.cmake from tables/{@sources@}.tsv.
// Do not edit: change the .tsv files instead.

#include \"tables/PrintedTables.h\"

namespace norvik {

namespace {

@out_cpp@constexpr MonthlyTable kMonthlyTables[] = {
@monthly_tables_cpp@};

constexpr BonusTable kBonusTables[] = {
@tables_cpp@};

} // namespace

@accessors@std::span<const MonthlyTable> monthlyTables() {
    return kMonthlyTables;
}

std::span<const BonusTable> bonusTables() {
    return kBonusTables;
}

} // namespace norvik
")
# Rewriting an unchanged file would only make the core compile again.
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
