// Writes a deterministic milling program of a given size for the benchmarks:
// raster finishing passes of short G1 moves, circular pockets entered by a
// helical ramp and cut in G2/G3 rings, and profiles with rounded corners.
// The same options give the same bytes on every machine: the random numbers
// come from SplitMix64, and positions are kept in whole micrometres so that
// every arc starts exactly where the program says the tool is.
//
//   gen_program [--lines N] [--arc-share F] [--seed S] [--no-spaces] [-o FILE]

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr double kPi = 3.141592653589793;

class TRandom {
 public:
  explicit TRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // In [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
  // In [lo, hi].
  long Int(long lo, long hi) {
    return lo + static_cast<long>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
  }
  bool Chance(double p) { return Unit() < p; }

 private:
  std::uint64_t state_;
};

// Micrometres from millimetres, rounded half away from zero.
std::int64_t Um(double mm) { return static_cast<std::int64_t>(std::llround(mm * 1000.0)); }

// Thrown when the body has reached its share of the line budget.
struct TFull {};

struct TOptions {
  long lines = 10000;
  double arcShare = 0.05;
  std::uint64_t seed = 1;
  bool spaces = true;
  const char* output = nullptr;
};

class TProgram {
 public:
  TProgram(const TOptions& o, std::FILE* out) : o_(o), out_(out), rnd_(o.seed) {
    buffer_.reserve(1 << 20);
  }

  void Write() {
    const long footer = 5;
    bodyLimit_ = o_.lines > footer ? o_.lines - footer : 0;
    try {
      Header();
      long section = 0;
      for (;;) {
        ++section;
        if (section % 40 == 0) ToolChange();
        numbered_ = section % 4 == 0;
        if (static_cast<double>(arcs_) < o_.arcShare * static_cast<double>(count_)) {
          if (rnd_.Chance(0.6))
            Pocket();
          else
            Profile();
        } else {
          Raster();
        }
        if (rnd_.Chance(0.1)) {
          Line().Word('M', "9").Emit();
          Line().Word('M', "8").Emit();
        }
      }
    } catch (const TFull&) {
    }
    numbered_ = false;
    bodyLimit_ = o_.lines;
    try {
      Line().Word('M', "9").Emit();
      Line().Word('M', "5").Emit();
      Line().Word('G', "0").Word('Z', 15000).Emit();
      Line().Word('M', "30").Emit();
      Line().Text("%").Emit();
    } catch (const TFull&) {
    }
    Flush();
  }

  long Count() const { return count_; }
  long Arcs() const { return arcs_; }

 private:
  // One line being built: words one blank apart (or none with --no-spaces).
  class TLine {
   public:
    explicit TLine(TProgram& p) : p_(p) {
      if (p_.numbered_) {
        p_.sequence_ += 10;
        Word('N', std::to_string(p_.sequence_).c_str());
      }
    }
    TLine& Word(char letter, const char* number) {
      Separate();
      text_ += letter;
      text_ += number;
      return *this;
    }
    TLine& Word(char letter, std::int64_t um) {
      Separate();
      text_ += letter;
      AppendMm(text_, um);
      return *this;
    }
    TLine& Text(const char* text) {
      Separate();
      text_ += text;
      return *this;
    }
    TLine& Arc() {
      isArc_ = true;
      return *this;
    }
    void Emit() { p_.Emit(text_, isArc_); }

   private:
    void Separate() {
      if (!text_.empty() && p_.o_.spaces) text_ += ' ';
    }
    // Millimetres with up to three decimals, trailing zeros dropped as
    // CAM post-processors write them ("12.5", "-0.04", "3").
    static void AppendMm(std::string& s, std::int64_t um) {
      if (um < 0) {
        s += '-';
        um = -um;
      }
      s += std::to_string(um / 1000);
      int frac = static_cast<int>(um % 1000);
      if (frac == 0) return;
      char digits[4] = {static_cast<char>('0' + frac / 100),
                        static_cast<char>('0' + frac / 10 % 10), static_cast<char>('0' + frac % 10),
                        0};
      int n = 3;
      while (digits[n - 1] == '0') --n;
      digits[n] = 0;
      s += '.';
      s += digits;
    }

    TProgram& p_;
    std::string text_;
    bool isArc_ = false;
  };

  TLine Line() { return TLine(*this); }

  void Emit(const std::string& text, bool isArc) {
    if (count_ >= bodyLimit_) throw TFull{};
    buffer_ += text;
    buffer_ += '\n';
    ++count_;
    if (isArc) ++arcs_;
    if (buffer_.size() >= (1u << 20)) Flush();
  }

  void Comment(const std::string& text) {
    std::string line = "(" + text + ")";
    Emit(line, false);
  }

  void Flush() {
    std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    buffer_.clear();
  }

  void Header() {
    Line().Text("%").Emit();
    Line().Text("O1001").Emit();
    Comment("BENCHMARK PART - " + std::to_string(o_.lines) + " LINES, SEED " +
            std::to_string(o_.seed));
    Comment("MACHINE: 3 AXIS MILL, UNITS MM");
    Comment("STOCK: 200 X 120 X 25, ORIGIN TOP CENTRE");
    Comment("T1 D=6. CR=3. - BALL END MILL");
    Line().Word('G', "21").Word('G', "90").Word('G', "17").Emit();
    Line().Word('G', "40").Word('G', "49").Word('G', "94").Emit();
    Line().Word('G', "54").Emit();
    Line().Word('T', "1").Word('M', "6").Emit();
    Line().Word('S', "12000").Word('M', "3").Emit();
    Line().Word('M', "8").Emit();
    Line().Word('G', "0").Word('Z', 15000).Emit();
    Line().Word('G', "0").Word('X', std::int64_t{0}).Word('Y', std::int64_t{0}).Emit();
  }

  void ToolChange() {
    tool_ = tool_ % 6 + 1;
    Line().Word('M', "9").Emit();
    Line().Word('M', "5").Emit();
    Line().Word('G', "0").Word('Z', 15000).Emit();
    z_ = 15000;
    Comment("TOOL CHANGE");
    Line().Word('T', std::to_string(tool_).c_str()).Word('M', "6").Emit();
    Line().Word('S', std::to_string(8000 + 1000 * tool_).c_str()).Word('M', "3").Emit();
    Line().Word('M', "8").Emit();
  }

  void Rapid(std::int64_t x, std::int64_t y, std::int64_t z) {
    if (z > z_) {
      Line().Word('G', "0").Word('Z', z).Emit();
      z_ = z;
    }
    Line().Word('G', "0").Word('X', x).Word('Y', y).Emit();
    x_ = x;
    y_ = y;
    if (z != z_) {
      Line().Word('G', "0").Word('Z', z).Emit();
      z_ = z;
    }
  }

  void LineTo(std::int64_t x, std::int64_t y) {
    Line().Word('G', "1").Word('X', x).Word('Y', y).Emit();
    x_ = x;
    y_ = y;
  }

  std::string Feed() {
    feed_ = 100 * rnd_.Int(6, 25);
    return std::to_string(feed_);
  }

  // A smooth relief between about -3 and 0 mm.
  static double Relief(double x, double y) {
    return -1.5 + 0.9 * std::sin(x / 7.3) * std::cos(y / 9.1) + 0.5 * std::sin((x + y) / 13.7);
  }

  // Zig-zag rows at 0 or 45 degrees over a patch, every move X Y Z, most of
  // them modal lines without a G word.
  void Raster() {
    const double x0 = rnd_.Range(-90, 40), y0 = rnd_.Range(-55, 5);
    const double width = rnd_.Range(20, 50), height = rnd_.Range(10, 50);
    const double stepOver = rnd_.Range(0.2, 0.5), spacing = rnd_.Range(0.2, 1.0);
    const bool diagonal = rnd_.Chance(0.5);
    const long rows = static_cast<long>(height / stepOver);
    const long points = static_cast<long>(width / spacing);
    const double c = diagonal ? std::sqrt(0.5) : 1.0, s = diagonal ? std::sqrt(0.5) : 0.0;
    auto at = [&](long row, long point, std::int64_t& x, std::int64_t& y, std::int64_t& z) {
      const long p = row % 2 == 0 ? point : points - point;
      const double u = p * spacing, v = row * stepOver;
      const double px = x0 + u * c - v * s, py = y0 + u * s + v * c;
      x = Um(px);
      y = Um(py);
      z = Um(Relief(px, py));
    };

    Comment("FINISH RASTER " + std::to_string(++rasters_) + (diagonal ? " 45 DEG" : " 0 DEG") +
            ", STEPOVER " + std::to_string(static_cast<int>(stepOver * 1000)) + " UM");
    std::int64_t x, y, z;
    at(0, 0, x, y, z);
    Rapid(x, y, 5000);
    Line().Word('G', "1").Word('Z', z + 500).Word('F', "300").Emit();
    Line().Word('G', "1").Word('X', x).Word('Y', y).Word('Z', z).Word('F', Feed().c_str()).Emit();
    for (long row = 0; row < rows; ++row) {
      for (long point = row == 0 ? 1 : 0; point <= points; ++point) {
        at(row, point, x, y, z);
        TLine line = Line();
        const bool explicitG = rnd_.Chance(0.02);
        if (explicitG) line.Word('G', "1");
        line.Word('X', x).Word('Y', y).Word('Z', z);
        if (point == 0 && rnd_.Chance(0.2)) line.Word('F', Feed().c_str());
        line.Emit();
      }
      if (rnd_.Chance(0.01)) Comment("ROW " + std::to_string(row + 1));
    }
    x_ = x;
    y_ = y;
    z_ = z;
    Line().Word('G', "0").Word('Z', 5000).Emit();
    z_ = 5000;
  }

  // One arc from the current position about (cx, cy) to the angle `to`
  // (radians), descending to z; the centre as absolute I and J.
  void ArcTo(bool ccw, std::int64_t cx, std::int64_t cy, double to, std::int64_t z, bool modal) {
    const double r = std::hypot(static_cast<double>(x_ - cx), static_cast<double>(y_ - cy));
    const std::int64_t x = cx + static_cast<std::int64_t>(std::llround(r * std::cos(to)));
    const std::int64_t y = cy + static_cast<std::int64_t>(std::llround(r * std::sin(to)));
    TLine line = Line();
    if (!modal) line.Word('G', ccw ? "3" : "2");
    line.Word('X', x).Word('Y', y);
    if (z != z_) line.Word('Z', z);
    line.Word('I', cx).Word('J', cy).Arc().Emit();
    x_ = x;
    y_ = y;
    z_ = z;
  }

  // A circular pocket: helical ramp down at a small radius, then rings out
  // to the wall, each ring cut in arcs of 90 to 180 degrees.
  void Pocket() {
    const std::int64_t cx = Um(rnd_.Range(-80, 80)), cy = Um(rnd_.Range(-45, 45));
    const double wall = rnd_.Range(4, 20), ramp = rnd_.Range(1, 3);
    const double depth = rnd_.Range(1, 5), stepDown = rnd_.Range(0.8, 2.0);
    const double stepOver = rnd_.Range(0.8, 2.5);
    const bool ccw = rnd_.Chance(0.7);  // climb milling inside a pocket
    const double turn = ccw ? 1.0 : -1.0;

    Comment("POCKET " + std::to_string(++pockets_) + " R" + std::to_string(Um(wall) / 1000) +
            " DEPTH " + std::to_string(Um(depth) / 1000));
    double angle = rnd_.Range(0, 2 * kPi);
    Rapid(cx + Um(ramp * std::cos(angle)), cy + Um(ramp * std::sin(angle)), 5000);
    Line().Word('G', "1").Word('Z', 500).Word('F', "300").Emit();
    z_ = 500;
    Line().Word('F', Feed().c_str()).Emit();
    for (double level = stepDown;; level += stepDown) {
      if (level > depth) level = depth;
      const std::int64_t bottom = -Um(level);
      // Helical ramp: half turns of 0.5 mm descent each.
      bool modal = false;
      while (z_ > bottom) {
        angle += turn * kPi;
        ArcTo(ccw, cx, cy, angle, std::max(bottom, z_ - 500), modal);
        modal = rnd_.Chance(0.3);
      }
      ArcTo(ccw, cx, cy, angle + turn * kPi, z_, false);  // a flat turn at the level
      angle += turn * kPi;
      for (double r = ramp + stepOver;; r += stepOver) {
        if (r > wall) r = wall;
        LineTo(cx + Um(r * std::cos(angle)), cy + Um(r * std::sin(angle)));
        double swept = 0;
        modal = false;
        while (swept < 2 * kPi - 1e-9) {
          const double step = std::min(2 * kPi - swept, rnd_.Chance(0.5) ? kPi : kPi / 2);
          swept += step;
          ArcTo(ccw, cx, cy, angle + turn * swept, z_, modal);
          modal = rnd_.Chance(0.3);
        }
        if (r >= wall) break;
      }
      if (level >= depth) break;
      // Back to the ramp radius for the next level.
      LineTo(cx + Um(ramp * std::cos(angle)), cy + Um(ramp * std::sin(angle)));
    }
    Line().Word('G', "0").Word('Z', 5000).Emit();
    z_ = 5000;
  }

  // A rectangle with rounded corners, cut clockwise at a few depths:
  // straight sides and quarter arcs of radius 1 to 5 mm.
  void Profile() {
    const double cx = rnd_.Range(-70, 70), cy = rnd_.Range(-40, 40);
    const double hw = rnd_.Range(8, 25), hh = rnd_.Range(6, 18), rc = rnd_.Range(1, 5);
    const int passes = static_cast<int>(rnd_.Int(1, 4));
    Comment("PROFILE " + std::to_string(++profiles_) + " CORNER R" + std::to_string(Um(rc)) +
            " UM");
    // Corner centres, clockwise from top right.
    const std::int64_t kx[4] = {Um(cx + hw - rc), Um(cx + hw - rc), Um(cx - hw + rc),
                                Um(cx - hw + rc)};
    const std::int64_t ky[4] = {Um(cy + hh - rc), Um(cy - hh + rc), Um(cy - hh + rc),
                                Um(cy + hh - rc)};
    const std::int64_t r = Um(rc);
    // Side start points: the end of each corner arc, clockwise.
    Rapid(kx[3], ky[3] + r, 5000);
    Line().Word('G', "1").Word('Z', 500).Word('F', "300").Emit();
    z_ = 500;
    for (int pass = 1; pass <= passes; ++pass) {
      const std::int64_t z = -Um(pass * 0.75);
      Line().Word('G', "1").Word('Z', z).Word('F', "300").Emit();
      z_ = z;
      bool feed = true;
      for (int k = 0; k < 4; ++k) {
        const double in = kPi / 2 - k * kPi / 2;  // start angle of corner k
        const std::int64_t sx = kx[k] + static_cast<std::int64_t>(std::llround(r * std::cos(in)));
        const std::int64_t sy = ky[k] + static_cast<std::int64_t>(std::llround(r * std::sin(in)));
        TLine side = Line();
        side.Word('G', "1").Word('X', sx).Word('Y', sy);
        if (feed) side.Word('F', Feed().c_str());
        side.Emit();
        feed = false;
        x_ = sx;
        y_ = sy;
        ArcTo(false, kx[k], ky[k], in - kPi / 2, z_, false);
      }
      LineTo(kx[3], ky[3] + r);
    }
    Line().Word('G', "0").Word('Z', 5000).Emit();
    z_ = 5000;
  }

  const TOptions& o_;
  std::FILE* out_;
  TRandom rnd_;
  std::string buffer_;
  long count_ = 0, arcs_ = 0, bodyLimit_ = 0;
  long sequence_ = 0;
  bool numbered_ = false;
  int tool_ = 1;
  long rasters_ = 0, pockets_ = 0, profiles_ = 0;
  long feed_ = 1000;
  std::int64_t x_ = 0, y_ = 0, z_ = 15000;  // um
};

int Usage() {
  std::fputs(
      "usage: gen_program [--lines N] [--arc-share FRACTION] [--seed S] [--no-spaces] "
      "[-o FILE]\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  TOptions o;
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(a, "--lines") == 0 && hasValue) {
      o.lines = std::strtol(argv[++i], nullptr, 10);
    } else if (std::strcmp(a, "--arc-share") == 0 && hasValue) {
      o.arcShare = std::strtod(argv[++i], nullptr);
    } else if (std::strcmp(a, "--seed") == 0 && hasValue) {
      o.seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (std::strcmp(a, "--no-spaces") == 0) {
      o.spaces = false;
    } else if ((std::strcmp(a, "-o") == 0 || std::strcmp(a, "--output") == 0) && hasValue) {
      o.output = argv[++i];
    } else {
      return Usage();
    }
  }
  if (o.lines < 0 || !(o.arcShare >= 0.0 && o.arcShare <= 1.0)) return Usage();

  std::FILE* out = o.output ? std::fopen(o.output, "wb") : stdout;
  if (!out) {
    std::perror(o.output);
    return 1;
  }
  TProgram program(o, out);
  program.Write();
  if (o.output) {
    if (std::fclose(out) != 0) {
      std::perror(o.output);
      return 1;
    }
    std::fprintf(stderr, "%s: %ld lines, %ld arcs\n", o.output, program.Count(), program.Arcs());
  }
  return 0;
}
