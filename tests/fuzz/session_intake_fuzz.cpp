// The program's link against a controller whose replies are dropped, damaged, late, split or
// doubled: whatever the line does, the program never reports a transfer as OK while the
// controller holds something other than the program's parameters.
//
// Input: a scenario byte (which transaction, whether autotune runs, how many bytes the
// controller holds differently, whether a verify is started in the middle, whether the
// controller reports another protocol version), the differing bytes, then one fate per reply.
// When the input runs out the line is clean, so most runs end.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "link/session.h"
#include "model/limits_pass.h"
#include "sim/controller_defaults.h"
#include "sim/controller_model.h"

using namespace morvek;

namespace {

constexpr int kMaxTicks = 700;
constexpr int kTicksAfterEnd = 8;
constexpr int kNeverVerifiedByte = 1;  // image byte 1 is not compared by a verify

// The rest of the input, read one byte at a time; zeros once it is used up.
class Script {
 public:
  Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Next() {
    if (size_ == 0) return 0;
    --size_;
    return *data_++;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// The serial line: the controller answers at once, the script decides what reaches the
// program and when. Time is counted in ticks.
class FaultyLine : public link::Transport {
 public:
  FaultyLine(sim::ControllerModel& controller, Script& script)
      : controller_(controller), script_(script) {}

  bool Open(int /*port*/) override {
    Close();
    open_ = true;
    return true;
  }
  void Close() override {
    open_ = false;
    in_flight_.clear();
    received_.clear();
  }
  bool IsOpen() const override { return open_; }
  int BytesWaiting() override { return static_cast<int>(received_.size()); }
  std::vector<std::uint8_t> Read(int max_bytes) override {
    const std::size_t n = std::min(received_.size(), static_cast<std::size_t>(max_bytes));
    std::vector<std::uint8_t> bytes(received_.begin(), received_.begin() + static_cast<long>(n));
    received_.erase(received_.begin(), received_.begin() + static_cast<long>(n));
    return bytes;
  }
  void Write(const link::DeviceFrame& frame) override {
    if (!open_) return;
    const std::optional<link::DeviceFrame> reply = controller_.HandleRequest(frame);
    if (reply) Send(*reply);
  }

  void Advance() {
    ++tick_;
    for (auto it = in_flight_.begin(); it != in_flight_.end();) {
      if (it->tick <= tick_) {
        received_.insert(received_.end(), it->bytes.begin(), it->bytes.end());
        it = in_flight_.erase(it);
      } else {
        ++it;
      }
    }
  }
  bool Quiet() const { return in_flight_.empty() && received_.empty(); }

 private:
  struct Chunk {
    long long tick;
    std::vector<std::uint8_t> bytes;
  };

  void Schedule(long long delay, std::vector<std::uint8_t> bytes) {
    in_flight_.push_back({tick_ + 1 + delay, std::move(bytes)});
  }

  void Send(const link::DeviceFrame& reply) {
    std::vector<std::uint8_t> bytes(reply.bytes().begin(), reply.bytes().end());
    const std::uint8_t fate = script_.Next();
    switch (fate & 0x07) {
      case 4:  // lost
        return;
      case 5: {  // one bit flipped on the line
        const int bit = (script_.Next() | (script_.Next() << 8)) % (link::kFrameSize * 8);
        bytes[static_cast<std::size_t>(bit / 8)] ^= static_cast<std::uint8_t>(1u << (bit % 8));
        Schedule(0, bytes);
        break;
      }
      case 6:  // late
        Schedule(script_.Next() % 16, bytes);
        break;
      case 7: {  // split in two, the rest later
        const std::size_t cut = 1 + script_.Next() % (link::kFrameSize - 1);
        Schedule(0,
                 std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(cut)));
        Schedule(script_.Next() % 4,
                 std::vector<std::uint8_t>(bytes.begin() + static_cast<long>(cut), bytes.end()));
        break;
      }
      default:
        Schedule(0, bytes);
        break;
    }
    if ((fate & 0x08) != 0) Schedule((fate >> 4) & 0x07, bytes);  // and once more
  }

  sim::ControllerModel& controller_;
  Script& script_;
  bool open_ = false;
  long long tick_ = 0;
  std::deque<Chunk> in_flight_;
  std::deque<std::uint8_t> received_;
};

class Owner : public link::SessionOwner {
 public:
  explicit Owner(model::ParameterImage& image) : image_(image) {}
  void CollectActivePage() override {}
  void RunLimitsPass() override { model::ApplyLimits(image_); }
  void RefreshActivePage() override {}
  void PagesArrived() override {}
  void ClearCurrentFileName() override {}
  void MonitorFrameDecoded() override {}
  void UpdateLiveHighlight() override {}

 private:
  model::ParameterImage& image_;
};

const sim::ControllerModel& Prototype(bool other_version) {
  static const sim::ControllerModel* const kModels[2] = {[] {
                                                           sim::ControllerConfig config;
                                                           config.save_duration_ms = 0;
                                                           return new sim::ControllerModel(config);
                                                         }(),
                                                         [] {
                                                           sim::ControllerConfig config;
                                                           config.save_duration_ms = 0;
                                                           config.identification.protocol_version =
                                                               83;
                                                           return new sim::ControllerModel(config);
                                                         }()};
  return *kModels[other_version ? 1 : 0];
}

const model::ParameterImage& DefaultImage() {
  static const model::ParameterImage kImage = sim::DefaultControllerImage();
  return kImage;
}

bool PageEqual(const model::ParameterImage& a, const model::ParameterImage& other, int page) {
  const int first = model::ParameterImage::PageFirstByte(page);
  for (int b = first; b < first + model::kPageSize; ++b)
    if (b != kNeverVerifiedByte && a.Byte(b) != other.Byte(b)) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  Script script(data + 1, size - 1);
  const std::uint8_t scenario = data[0];
  const int kind = scenario & 0x03;  // 0 program, 1 verify, 2 read, 3 program after change
  const bool autotune = (scenario & 0x04) != 0;
  const int differences = (scenario >> 3) & 0x07;
  const bool verify_midway = (scenario & 0x40) != 0;
  const bool other_version = (scenario & 0x80) != 0;

  sim::ControllerModel controller = Prototype(other_version);
  model::ParameterImage image = DefaultImage();
  // The controller holds a few bytes differently; it takes them as programmed pages.
  model::ParameterImage held = image;
  for (int d = 0; d < differences; ++d) {
    const int at = (script.Next() | (script.Next() << 8)) % model::kImageSize;
    held.SetByte(at, static_cast<std::uint8_t>(held.Byte(at) ^ (script.Next() | 1)));
  }
  for (int p = model::kFirstImagePage; p <= model::kLastImagePage; ++p)
    if (!std::equal(held.Page(p).begin(), held.Page(p).end(), image.Page(p).begin()))
      controller.HandleRequest(link::DeviceFrame::Make(static_cast<std::uint8_t>(p), held.Page(p)));

  FaultyLine line(controller, script);
  model::PageProgramFlags flags;
  Owner owner(image);
  link::Session session(line, image, flags, owner);
  session.Start();
  session.SetAutotuneOn(autotune);
  // Some ticks of idle traffic (monitor or autotune requests) before the user acts.
  const int idle = script.Next() % 16;
  for (int t = 0; t < idle; ++t) {
    session.Tick();
    line.Advance();
  }

  // A read that meets another version takes nothing from the controller; only the limits
  // pass it runs may touch the image (pages an autotune cycle brought in need not be legal).
  model::ParameterImage image_before = image;
  model::ApplyLimits(image_before);
  std::vector<bool> programmed(model::kLastImagePage + 1, true);
  switch (kind) {
    case 0:
      session.Program();
      break;
    case 1:
      session.Verify();
      break;
    case 2:
      session.Read();
      break;
    default: {
      const int chosen = script.Next() | (script.Next() << 8);
      for (int p = model::kFirstImagePage; p <= model::kLastImagePage; ++p) {
        programmed[static_cast<std::size_t>(p)] = ((chosen >> p) & 1) != 0;
        if (programmed[static_cast<std::size_t>(p)]) flags.Set(p);
      }
      session.StartProgramming();
      break;
    }
  }
  const int midway_tick = verify_midway ? script.Next() % 64 : -1;

  int quiet_ticks = 0;
  bool verified_anew = false;
  std::string shown;  // the status text of the last tick: each OK is checked when it appears
  for (int t = 0; t < kMaxTicks && quiet_ticks < kTicksAfterEnd; ++t) {
    if (t == midway_tick) {
      session.Verify();
      verified_anew = true;
    }
    session.Tick();
    line.Advance();

    const link::StatusLineState& status = session.status_line();
    const bool ok = status.colour != link::Colour::kRed && status.text.size() > 3 &&
                    status.text.compare(status.text.size() - 3, 3, " OK") == 0;
    if (ok && status.text != shown) {
      FUZZ_CHECK(session.transaction_mode() == link::TransactionMode::kNone,
                 "OK shown while a transfer still runs");
      const bool whole = status.text == "Verify: OK" || kind != 3 || verified_anew;
      for (int p = model::kFirstImagePage; p <= model::kLastImagePage; ++p) {
        if (!whole && !programmed[static_cast<std::size_t>(p)]) continue;
        FUZZ_CHECK(PageEqual(controller.image(), image, p),
                   "OK although the controller holds another page");
      }
    }
    shown = status.text;
    const std::vector<std::string> boxes = session.TakeMessageBoxes();
    if (!boxes.empty() && kind == 2 && !verified_anew) {
      FUZZ_CHECK(other_version, "a message box although the versions match");
      FUZZ_CHECK(image == image_before, "a read of another version changed the image");
    }
    if (other_version)
      FUZZ_CHECK(!ok || kind == 1 || verified_anew || kind == 3,
                 "OK from a controller of another version");
    quiet_ticks = session.transaction_mode() == link::TransactionMode::kNone && line.Quiet()
                      ? quiet_ticks + 1
                      : 0;
  }
  return 0;
}
