#include "sim/uhid/UhidDevice.h"

#include <fcntl.h>
#include <linux/uhid.h>
#include <poll.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace sim {
namespace {

constexpr uint16_t kBusUsb = 0x03;

// One application collection on the endpoint's usage page: unnumbered 64-byte input and output
// reports, and a 7-byte feature report (its report id travels in front of it).
std::vector<uint8_t> ReportDescriptor(uint16_t usage_page, uint16_t usage) {
  return {
      0x06,
      static_cast<uint8_t>(usage_page & 0xFF),
      static_cast<uint8_t>(usage_page >> 8),
      0x09,
      static_cast<uint8_t>(usage),  // usage
      0xA1,
      0x01,  // collection (application)
      0x15,
      0x00,
      0x26,
      0xFF,
      0x00,  // logical 0 to 255
      0x75,
      0x08,  // 8-bit fields
      0x95,
      0x40,
      0x09,
      0x01,
      0x81,
      0x02,  // 64 input bytes
      0x95,
      0x40,
      0x09,
      0x01,
      0x91,
      0x02,  // 64 output bytes
      0x95,
      0x07,
      0x09,
      0x01,
      0xB1,
      0x02,  // 7 feature bytes
      0xC0,  // end collection
  };
}

bool WriteEvent(int fd, const uhid_event& event) {
  return write(fd, &event, sizeof event) == static_cast<ssize_t>(sizeof event);
}

}  // namespace

UhidDevice::UhidDevice(std::shared_ptr<platform::FakeHidEndpoint> endpoint)
    : endpoint_(std::move(endpoint)) {}

UhidDevice::~UhidDevice() {
  Destroy();
}

bool UhidDevice::Create(const std::string& name) {
  if (fd_ >= 0) return true;
  fd_ = open("/dev/uhid", O_RDWR | O_CLOEXEC);
  if (fd_ < 0) return false;
  const auto info = endpoint_->Info();
  const auto descriptor = ReportDescriptor(info.usage_page, info.usage);
  uhid_event event{};
  event.type = UHID_CREATE2;
  std::strncpy(reinterpret_cast<char*>(event.u.create2.name), name.c_str(),
               sizeof event.u.create2.name - 1);
  event.u.create2.rd_size = static_cast<uint16_t>(descriptor.size());
  event.u.create2.bus = kBusUsb;
  event.u.create2.vendor = info.vendor_id;
  event.u.create2.product = info.product_id;
  event.u.create2.version = info.release_number;
  std::memcpy(event.u.create2.rd_data, descriptor.data(), descriptor.size());
  if (!WriteEvent(fd_, event) || pipe2(stop_pipe_, O_CLOEXEC) != 0) {
    close(fd_);
    fd_ = -1;
    return false;
  }
  server_ = std::thread([this] { Serve(); });
  return true;
}

void UhidDevice::Destroy() {
  if (fd_ < 0) return;
  const char byte = 0;
  (void)!write(stop_pipe_[1], &byte, 1);
  server_.join();
  uhid_event event{};
  event.type = UHID_DESTROY;
  WriteEvent(fd_, event);
  close(fd_);
  close(stop_pipe_[0]);
  close(stop_pipe_[1]);
  fd_ = -1;
}

// Answers the kernel's requests until Destroy.
void UhidDevice::Serve() {
  pollfd fds[2] = {{fd_, POLLIN, 0}, {stop_pipe_[0], POLLIN, 0}};
  auto event = std::make_unique<uhid_event>();
  while (poll(fds, 2, -1) >= 0 && !fds[1].revents) {
    if (read(fd_, event.get(), sizeof *event) <= 0) continue;
    switch (event->type) {
      case UHID_OUTPUT: {
        const auto& output = event->u.output;
        endpoint_->OnWrite(std::span<const uint8_t>(output.data, output.size));
        break;
      }
      case UHID_GET_REPORT: {
        const uint32_t id = event->u.get_report.id;
        uint8_t report[8] = {event->u.get_report.rnum};
        const int answered = endpoint_->OnGetFeature(report);
        auto reply = std::make_unique<uhid_event>();
        reply->type = UHID_GET_REPORT_REPLY;
        reply->u.get_report_reply.id = id;
        reply->u.get_report_reply.err = answered < 0 ? 5 : 0;  // EIO
        reply->u.get_report_reply.size = static_cast<uint16_t>(answered < 0 ? 0 : answered);
        std::memcpy(reply->u.get_report_reply.data, report, sizeof report);
        WriteEvent(fd_, *reply);
        break;
      }
      case UHID_SET_REPORT: {
        const auto& request = event->u.set_report;
        const int taken =
            endpoint_->OnSetFeature(std::span<const uint8_t>(request.data, request.size));
        auto reply = std::make_unique<uhid_event>();
        reply->type = UHID_SET_REPORT_REPLY;
        reply->u.set_report_reply.id = request.id;
        reply->u.set_report_reply.err = taken < 0 ? 5 : 0;
        WriteEvent(fd_, *reply);
        break;
      }
      default:
        break;  // start, stop, open and close need no answer
    }
  }
}

}  // namespace sim
