#pragma once

#include <QTest>

// A data table in one line per row: columns<QString, int>("text", "count"), then
// row("name", "abc", 3) with the values in the order of the columns.
template <typename... T, typename... Name> void columns(Name... names) {
    (QTest::addColumn<T>(names), ...);
}
template <typename... T> void row(const char *name, const T &...values) {
    (QTest::newRow(name) << ... << values);
}
