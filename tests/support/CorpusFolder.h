// The folder of real design files that corpus tests read: $SPECCTRAIF_CORPUS when it is set,
// else the corpus beside the checkout (../shared/corpus). Corpus files are read in place and
// never copied into the repository.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The folder, or none when there is no such folder (the tests then skip). The first call of
// a test program prints which folder is used, or that none was found and how to name one, so
// that a skipped corpus test shows in the test output.
std::optional<std::filesystem::path> CorpusFolder();

// The design files (.dsn) of the corpus, sorted by name; none when there is no corpus.
std::vector<std::filesystem::path> CorpusDesigns();

// A test name from a file name: its letters and digits, the rest as underscores.
std::string CorpusTestName(const std::filesystem::path& path);
