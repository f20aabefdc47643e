#pragma once

// Which commands a keyboard takes, by its device type and connection mode.
enum class CommandFamily {
  A,     // device type up to 200: key maps, macros and lights in output reports
  B,     // device type 201 to 299: key slots and lights in feature reports, framed when wireless
  None,  // device type 300 or more: takes no key, light or reset writes
};

// The family of the key assignment, light and reset writes.
CommandFamily FamilyOf(int device_type);
// The slot table is read from device types 200 to 300, one wider on each side than family B.
bool ReadsSlotTable(int device_type);
// The custom light mode with locally drawn colours exists below device type 200 only.
bool HasCustomLightMode(int device_type);
// Live per-key colours stream below device type 200, by cable only.
bool StreamsLiveColours(int device_type, int connection_mode);
// Family B over a wireless link takes framed packets instead of feature reports.
bool UsesFramedPackets(int device_type, int connection_mode);
