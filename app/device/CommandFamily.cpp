#include "app/device/CommandFamily.h"

CommandFamily FamilyOf(int device_type) {
  if (device_type <= 200) return CommandFamily::A;
  if (device_type <= 299) return CommandFamily::B;
  return CommandFamily::None;
}

bool ReadsSlotTable(int device_type) {
  return device_type >= 200 && device_type <= 300;
}

bool HasCustomLightMode(int device_type) {
  return device_type < 200;
}

bool StreamsLiveColours(int device_type, int connection_mode) {
  return device_type < 200 && connection_mode == 0;
}

bool UsesFramedPackets(int device_type, int connection_mode) {
  return FamilyOf(device_type) == CommandFamily::B && connection_mode != 0;
}
