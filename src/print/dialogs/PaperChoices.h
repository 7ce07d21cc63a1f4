#pragma once

#include <QStringList>

#include <vector>

namespace cellvex {

// The papers the page setup dialog offers for a printer: the named papers
// among the codes the printer supports, in its order (the first 256 codes
// only, each paper once), then the custom paper. Nothing when the printer
// gave no codes: it did not answer.
QStringList paperChoices(const std::vector<int> &supportedCodes);

} // namespace cellvex
