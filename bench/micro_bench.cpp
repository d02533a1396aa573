// Micro-benchmarks of the per-line hot paths: number reading and writing,
// the block reader on the lines a CAM program is made of, and one arc split
// into segment lines that are read back like the run reads them.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "conversion/block.h"
#include "codes/handlers.h"
#include "conversion/block_reader.h"
#include "conversion/input_lines.h"
#include "conversion/state.h"
#include "conversion/text.h"

namespace {

using namespace torvel;

void BM_ParseNumber(benchmark::State& st, const char* text) {
  const std::string_view view(text);
  for (auto _ : st) {
    benchmark::DoNotOptimize(ParseNumber(view, 0.0));
  }
}
BENCHMARK_CAPTURE(BM_ParseNumber, coordinate, "12.345");
BENCHMARK_CAPTURE(BM_ParseNumber, negative, "-0.052");
BENCHMARK_CAPTURE(BM_ParseNumber, integer, "1200");
BENCHMARK_CAPTURE(BM_ParseNumber, segment_value, "-103.1416");
BENCHMARK_CAPTURE(BM_ParseNumber, not_a_number, "12,5");

void BM_FormatFixed(benchmark::State& st, double value) {
  for (auto _ : st) {
    benchmark::DoNotOptimize(FormatFixed(value, 4));
  }
}
BENCHMARK_CAPTURE(BM_FormatFixed, coordinate, 12.345);
BENCHMARK_CAPTURE(BM_FormatFixed, degrees, 35.36800785);
BENCHMARK_CAPTURE(BM_FormatFixed, negative_small, -0.00004999);
BENCHMARK_CAPTURE(BM_FormatFixed, large, 123456.78915);

// The form the move lines use: appended to a line that keeps its capacity.
void BM_AppendFixed(benchmark::State& st, double value) {
  std::string line;
  line.reserve(64);
  for (auto _ : st) {
    line.clear();
    AppendFixed(line, value, 4);
    benchmark::DoNotOptimize(line.data());
  }
}
BENCHMARK_CAPTURE(BM_AppendFixed, degrees, 35.36800785);

void BM_FormatGeneral(benchmark::State& st, double value) {
  for (auto _ : st) {
    benchmark::DoNotOptimize(FormatGeneral(value));
  }
}
BENCHMARK_CAPTURE(BM_FormatGeneral, feed, 1200.0);
BENCHMARK_CAPTURE(BM_FormatGeneral, inch_feed, 762.0000000000001);
BENCHMARK_CAPTURE(BM_FormatGeneral, fraction, 0.5);
BENCHMARK_CAPTURE(BM_FormatGeneral, tiny, 0.00001);

void BM_AppendGeneral(benchmark::State& st, double value) {
  std::string line;
  line.reserve(64);
  for (auto _ : st) {
    line.clear();
    AppendGeneral(line, value);
    benchmark::DoNotOptimize(line.data());
  }
}
BENCHMARK_CAPTURE(BM_AppendGeneral, feed, 1200.0);

// A run past its first move: X wrapped onto A, work surface at Z 20, the
// tool at X0 Y5 Z5. Every iteration starts again from that state.
struct TRunFixture {
  TRunFixture(const char* maxSegment, const char* maxAngle) {
    RunSettings s;
    s.maxSegment = maxSegment;
    s.maxAngle = maxAngle;
    s.axisZ = "0";
    s.surfaceZ = "20";
    s.outputAxisZ = "0";
    s.wrappedAxisIndex = 0;
    s.rotaryAxisIndex = 0;
    state = InitialiseState(s);
    ReadBlock(block, "G0 X0 Y5 Z5");
    start = state;
  }

  ConversionState state;
  ErrorList errors;
  InputLines input;
  TBlock block{state, errors, input};
  ConversionState start;
};

// Lines as they reach the block reader, after normalisation.
void BM_ReadBlock(benchmark::State& st, const char* line) {
  TRunFixture run("1.0", "10");
  const std::string_view view(line);
  ReadBlock(run.block, view);
  if (run.block.outputLine.empty() || run.errors.Count() != 0) {
    st.SkipWithError("the line gave no output or recorded a problem");
    return;
  }
  for (auto _ : st) {
    run.state = run.start;
    ReadBlock(run.block, view);
    benchmark::DoNotOptimize(run.block.outputLine.data());
  }
  st.SetItemsProcessed(st.iterations());
}
BENCHMARK_CAPTURE(BM_ReadBlock, g1_xyz_f, "G1 X12.345 Y-3.21 Z-0.5 F1200");
// Normalisation puts the carried motion word in front of a modal line.
BENCHMARK_CAPTURE(BM_ReadBlock, modal_xyz, " G1 X12.845 Y-3.11 Z-0.52");
BENCHMARK_CAPTURE(BM_ReadBlock, numbered_modal, "N1230 G1 X12.845 Y-3.11 Z-0.52");
BENCHMARK_CAPTURE(BM_ReadBlock, comment, "(FINISH RASTER 3 45 DEG, STEPOVER 250 UM)");
BENCHMARK_CAPTURE(BM_ReadBlock, g1_xy_4_decimals, "G1 X0.0274 Y5.5226");

// One half circle of radius 5 split at 0.1 mm / 1 degree (180 segments):
// the arc line, then every segment line pulled from the input and read.
void BM_ArcSegments(benchmark::State& st) {
  TRunFixture run("0.1", "1");
  std::string line;
  TSegmentMove segment;
  bool inserted = false;
  std::int64_t segments = 0;
  for (auto _ : st) {
    run.state = run.start;
    run.block.segmentLine = false;
    ReadBlock(run.block, "G2 X10 Y5 I5 J5");
    // As the run reads them: each segment as its values.
    while (run.input.Next(line, segment, inserted)) {
      run.block.segmentLine = inserted;
      ReadSegmentMove(run.block, segment);
      benchmark::DoNotOptimize(run.block.outputLine.data());
      ++segments;
    }
  }
  if (run.errors.Count() != 0) st.SkipWithError("the arc recorded a problem");
  st.SetItemsProcessed(segments);
  st.counters["segments_per_arc"] =
      st.iterations() ? static_cast<double>(segments) / static_cast<double>(st.iterations()) : 0;
}
BENCHMARK(BM_ArcSegments);

}  // namespace

BENCHMARK_MAIN();
