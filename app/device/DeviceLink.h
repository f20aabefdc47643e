#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "platform/Hid.h"

// One row of the supported-modes table: a USB identity the program accepts, and what it means.
struct SupportedMode {
  int vid = 0;
  int pid = 0;
  std::wstring product_name;  // the product string the interface must report; empty matches any
  int device_type = 0;
  int connection_mode = 0;  // 0 cable, 1 and 2 the wireless links
  std::wstring hid_interface;
};

// One opened vendor interface, as callers see it (the handle stays inside the link).
struct InterfaceEntry {
  int index = 0;
  uint16_t vid = 0;
  uint16_t pid = 0;
  std::wstring path;
  std::wstring product;
  int release_number = 0;
  int device_type = 0;
  int connection_mode = 0;
  int cable = 0;
};

// What Open decided about one enumerated interface.
struct OpenDecision {
  enum class Outcome {
    NotSupported,        // no supported-modes row for its VID/PID (and product)
    OpenFailed,          // could not be opened
    NotVendorInterface,  // opened, wrong usage page or usage, closed again
    SideChannel,         // the "&MI_03" interface that carries the live colour stream
    Entry,               // kept for commands
  };
  platform::HidInterfaceInfo info;
  Outcome outcome = Outcome::NotSupported;
};

const char* DescribeOutcome(OpenDecision::Outcome outcome);

// The program's link to the keyboard: the supported USB identities, the opened vendor interfaces,
// the device type the user works with, and the interface commands go to. Interfaces are closed only
// while no transfer runs: Open, Close and every transfer hold the same lock, so a transfer on one
// thread never uses a handle that another thread has freed.
class DeviceLink {
 public:
  // The process-wide link.
  static DeviceLink& Instance();

  DeviceLink();
  ~DeviceLink();
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

  void AddSupportedMode(const SupportedMode& mode);
  void ClearSupportedModes();
  std::vector<SupportedMode> SupportedModes() const;

  // Enumerates and opens the vendor interfaces of every supported keyboard, replacing any opened
  // before. Does not set the open flag: the caller does once it has looked at the result.
  std::vector<OpenDecision> Open();
  // Clears the open flag and closes every interface; the supported modes stay.
  void Close();
  void SetOpen(bool open);
  bool IsOpen() const;

  // The entries of the selected type (all when it is 0); false when there are no entries at all.
  bool Collect(std::vector<InterfaceEntry>& entries) const;
  // Position of the first entry with this identity and connection mode whose product string equals
  // `product_name` (not compared when empty); -1 when there is none.
  int Find(int vid, int pid, const std::wstring& product_name, int connection_mode) const;

  void SetSelectedType(int device_type);
  int SelectedType() const;

  // The connection mode the selected type is reached by, preferring 0, then 2, then 1; -1 if none.
  int AvailableConnectionMode() const;
  // Path of the interface commands go to (cable first, then wireless 1, then 2); empty if none.
  std::wstring ChosenPath();
  bool HasSideChannel() const;
  std::wstring SideChannelPath() const;

  // Device type and connection mode of the first supported-modes row with this identity; 0 if none.
  int DeviceTypeOf(int vid, int pid) const;
  int ConnectionModeOf(int vid, int pid) const;

  // Whether a transfer would reach the keyboard now: the link is open and has a chosen interface
  // (the side channel for side-channel writes).
  bool CanTransfer();
  bool CanTransferSide() const;

  // Transfers. Each fails (-1) at once while the link is closed or the interface is missing, and
  // otherwise returns what the interface returned.
  int WriteOutput(std::span<const uint8_t> report);
  int WriteSide(std::span<const uint8_t> report);
  int SendFeature(std::span<const uint8_t> report);
  int GetFeature(std::span<uint8_t> report);

 private:
  struct OpenInterface {
    InterfaceEntry entry;
    std::unique_ptr<platform::HidDevice> device;
  };

  const SupportedMode* FindSupportedMode(int vid, int pid) const;
  platform::HidDevice* ChosenDevice();  // the lock must be held
  void CloseLocked();

  mutable std::mutex mutex_;
  bool open_ = false;
  std::vector<OpenInterface> interfaces_;
  std::vector<SupportedMode> supported_modes_;
  int selected_type_ = 0;
  platform::HidDevice* chosen_ = nullptr;
  std::unique_ptr<platform::HidDevice> side_channel_;
  std::wstring side_channel_path_;
};
