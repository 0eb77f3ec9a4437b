// A table runner for the Windows test program, which has no Qt to lean on:
// each row names a case and checks it, answering what went wrong, or nothing.
#pragma once

#include <cstddef>
#include <cstdio>
#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace wine_test {

struct Row {
    std::string name;
    std::function<std::string()> check;
};

struct Table {
    std::string title;
    std::vector<Row> rows;
};

// One row per case, named by the case's `name` and checked by `check(case)`.
template <typename Case, std::size_t Count, typename Check>
Table tableOf(const char *title, const Case (&cases)[Count], Check check)
{
    Table table{title, {}};
    for (const Case &c : cases)
        table.rows.push_back({c.name, [c, check] { return check(c); }});
    return table;
}

inline std::string describe(long long value)
{
    return std::to_string(value);
}

inline std::string describe(const std::string &text)
{
    return "\"" + text + "\"";
}

std::string describe(const std::wstring &text);

// Empty when equal; otherwise both values, for the failure line. Checks of
// one row add up their answers.
template <typename T> std::string expectEqual(const T &actual, const T &expected, const char *what)
{
    if (actual == expected)
        return {};
    return std::string("[") + what + " is " + describe(actual) + ", expected " + describe(expected) + "] ";
}

inline std::string runRow(const Row &row)
{
    try {
        return row.check();
    } catch (const std::exception &error) {
        return std::string("threw ") + error.what();
    }
}

// Prints one line per row and the count; 0 when every row passed.
inline int runTables(const std::vector<Table> &tables)
{
    int passed = 0;
    int failed = 0;
    for (const Table &table : tables) {
        for (const Row &row : table.rows) {
            const std::string problem = runRow(row);
            problem.empty() ? ++passed : ++failed;
            std::printf("%s %s: %s%s%s\n", problem.empty() ? "ok  " : "FAIL", table.title.c_str(), row.name.c_str(),
                        problem.empty() ? "" : ": ", problem.c_str());
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}

} // namespace wine_test
