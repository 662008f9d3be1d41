#pragma once
// The fuzz targets register themselves here. A libFuzzer build links one
// target with fuzzentry.cpp; the test_fuzz area links them all and replays
// each over mutations of its seeds (fuzzreplay_test.cpp).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

namespace gxa_fuzz {

using Bytes = std::vector<uint8_t>;

struct Target {
  const char* name;
  // Any bytes: returns normally, or aborts on a broken promise.
  void (*run)(std::span<const uint8_t> data);
  // Sound inputs to start from; they make the first corpus too.
  std::vector<Bytes> (*seeds)();
  // Mutated inputs the replay test tries in every build.
  int replayRounds;
};

inline std::vector<Target>& Targets() {
  static std::vector<Target> targets;
  return targets;
}

inline bool Register(const Target& t) {
  Targets().push_back(t);
  return true;
}

inline Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Command-line arguments, one a line.
inline std::vector<std::string> ArgLines(std::span<const uint8_t> data) {
  std::vector<std::string> out(1);
  for (uint8_t b : data) {
    if (b == '\n') out.emplace_back();
    else out.back() += static_cast<char>(b);
  }
  return out;
}

// Checks that must hold for every input; a failure is a finding.
inline void Expect(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz: broken promise: %s\n", what);
  std::abort();
}

}  // namespace gxa_fuzz
