#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One reader of outside data, driven with arbitrary bytes. A harness returns 0; it
// aborts when a property of the reader does not hold (a crash is a finding).
struct FuzzTarget {
    const char *name; // also the folder of its corpus: fuzz/corpus/<name>
    int (*run)(const std::uint8_t *data, std::size_t size);
};

const std::vector<FuzzTarget> &fuzzTargets();

int fuzzSlv(const std::uint8_t *data, std::size_t size);
int fuzzTips(const std::uint8_t *data, std::size_t size);
int fuzzVersion(const std::uint8_t *data, std::size_t size);
int fuzzWav(const std::uint8_t *data, std::size_t size);
int fuzzStatistics(const std::uint8_t *data, std::size_t size);
int fuzzTranslator(const std::uint8_t *data, std::size_t size);
int fuzzWordlist(const std::uint8_t *data, std::size_t size);
int fuzzReview(const std::uint8_t *data, std::size_t size);
int fuzzDelimited(const std::uint8_t *data, std::size_t size);
int fuzzKvtml(const std::uint8_t *data, std::size_t size);
int fuzzBackups(const std::uint8_t *data, std::size_t size);
int fuzzPictures(const std::uint8_t *data, std::size_t size);
int fuzzPractice(const std::uint8_t *data, std::size_t size);
