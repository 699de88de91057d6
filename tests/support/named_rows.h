#pragma once

#include <ostream>

// Table rows in the tests carry a `name`; print that instead of gtest's byte dump.
namespace hc {
namespace {

template <typename Row>
    requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

} // namespace
} // namespace hc
