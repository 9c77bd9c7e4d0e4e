// The pinyin key streams typed through librime, for comparison with engine_bench's KeyStream/pinyin
// in the same run. Built only where librime's headers are installed; nothing of the project links
// it. The same words of the file named by KELLAVOR_KEYSTREAM are typed letter by letter with
// process_key, the composition cleared after each word as Escape does in our engine. Every key is
// timed on its own in CPU time of the thread; reported are the median and the 99th percentile over
// all keys of all iterations, read as engine_bench reads its own. librime fills its candidate
// pages only when they are read, so the key with the context a front end then reads (composition
// and first page) is reported as well (page_median_us, page_p99_us).
//
// The settings and schemas are deployed once into a folder of the build tree (KELLAVOR_RIME_FOLDER)
// before any key is timed; a schema that is not installed is skipped with a message.
#include <benchmark/benchmark.h>
#include <rime_api.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/key_stream.h"

namespace kellavor {
namespace {

std::string SchemaFile(const char* schema) { return std::string(KELLAVOR_RIME_SHARED_DATA "/") + schema + ".schema.yaml"; }

// librime set up on the shared data with the build tree's folder as its user folder, where its
// settings and each installed schema are deployed (compiled where the prebuilt files are not
// current) before the first session.
RimeApi* Rime() {
  static RimeApi* const rime = [] {
    RimeApi* api = rime_get_api();
    std::filesystem::create_directories(KELLAVOR_RIME_FOLDER);
    RIME_STRUCT(RimeTraits, traits);
    traits.shared_data_dir = KELLAVOR_RIME_SHARED_DATA;
    traits.user_data_dir = KELLAVOR_RIME_FOLDER;
    traits.app_name = "rime.kellavor_bench";
    traits.min_log_level = 3;
    api->setup(&traits);
    api->deployer_initialize(nullptr);
    api->deploy_config_file("default.yaml", "config_version");
    for (const char* schema : {"pinyin_simp", "luna_pinyin_simp"}) {
      if (std::filesystem::exists(SchemaFile(schema))) api->deploy_schema(SchemaFile(schema).c_str());
    }
    api->initialize(nullptr);
    return api;
  }();
  return rime;
}

void RimeKeyStream(benchmark::State& state, const char* schema) {
  const char* path = std::getenv("KELLAVOR_KEYSTREAM");
  if (path == nullptr || *path == '\0') {
    state.SkipWithError("KELLAVOR_KEYSTREAM is not set: name a file of words to type, one a line");
    return;
  }
  const std::vector<std::string> words = bench::ReadKeyStream(path);
  if (words.empty()) {
    state.SkipWithError("the file of KELLAVOR_KEYSTREAM holds no words");
    return;
  }
  if (!std::filesystem::exists(SchemaFile(schema))) {
    state.SkipWithError(("librime's schema " + std::string(schema) + " is not installed").c_str());
    return;
  }
  RimeApi* rime = Rime();
  const RimeSessionId session = rime->create_session();
  if (session == 0 || !rime->select_schema(session, schema)) {
    state.SkipWithError(("librime could not load the schema " + std::string(schema)).c_str());
    if (session != 0) rime->destroy_session(session);
    return;
  }
  std::vector<double> keys;
  std::vector<double> pages;
  for (auto _ : state) {
    for (const std::string& word : words) {
      for (char letter : word) {
        const double start = bench::ThreadMicroseconds();
        rime->process_key(session, letter, 0);
        const double processed = bench::ThreadMicroseconds();
        RIME_STRUCT(RimeContext, context);
        rime->get_context(session, &context);
        rime->free_context(&context);
        keys.push_back(processed - start);
        pages.push_back(bench::ThreadMicroseconds() - start);
      }
      rime->clear_composition(session);
    }
  }
  rime->destroy_session(session);
  state.counters["keys"] = static_cast<double>(keys.size());
  state.counters["words"] = static_cast<double>(words.size());
  state.counters["median_us"] = bench::KeyPercentile(keys, 0.5);
  state.counters["p99_us"] = bench::KeyPercentile(keys, 0.99);
  state.counters["page_median_us"] = bench::KeyPercentile(pages, 0.5);
  state.counters["page_p99_us"] = bench::KeyPercentile(pages, 0.99);
}

BENCHMARK_CAPTURE(RimeKeyStream, pinyin_simp, "pinyin_simp")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RimeKeyStream, luna_pinyin_simp, "luna_pinyin_simp")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kellavor
