#pragma once

#include "xls/zip/ZipArchive.h"

namespace xls {

// Whether a package that has inflated `total` bytes in all stays within its
// cap; the error names `entry`, the part that reached the total.
bool totalAllows(const ZipEntry &entry, std::uint64_t total, ReadError &error);

// Whether `produced` bytes out of `consumed` compressed ones stay within the
// part, total and ratio caps (budget.produced counts earlier parts only).
bool budgetAllows(const ZipEntry &entry, std::uint64_t produced, std::uint64_t consumed,
                  const InflateBudget &budget, ReadError &error);

// Inflates a deflated entry piece by piece into the sink, counting the bytes
// actually produced against the caps; the declared size is not trusted.
bool inflateEntry(const ZipEntry &entry, ByteSpan data, const ZipArchive::Sink &sink,
                  InflateBudget &budget, ReadError &error);

} // namespace xls
