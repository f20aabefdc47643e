#pragma once

#include <string>

// The rows of the configuration database, one struct per table, fields in column order.

struct ProfileRecord {
  int profile = 0;
  std::wstring name;
  std::wstring app;
  int type = 0;
  int status = 0;  // 1 for the active profile
};

struct KeyAssignment {
  int key_id = 0;
  int profile = 0;
  int fn_layer = 0;
  int key_code = 0;
  int layout_value = 0;
  std::wstring layout_desc;
  int macro_type = 0;
  int macro_value = 0;
  int macro_value2 = 0;
  int macro_value3 = 0;
  std::wstring macro_desc;
};

struct LightRecord {
  int light_id = 0;
  int profile = 0;
  std::wstring name;
  int mode = 0;
  int brightness = 0;
  int speed = 0;
  int direction = 0;
  int colorful = 0;
  int colorindex = 0;
  int color_value = 0;
  int config_func = 0;
  int reserved = 0;
  int status = 0;
};

struct KeyLightRecord {
  int keylight_id = 0;
  int profile = 0;
  int light_id = 0;
  int key_code = 0;
  int key_rgb = 0;
};

struct MacroInfo {
  int macro_id = 0;
  int play_times = 0;
  int delay_type = 0;
  int delay_time = 0;
  int link_count = 0;
  int loop_type = 0;
  std::wstring name;
};

struct MacroItem {
  int record_id = 0;
  int macro_id = 0;
  int type = 0;
  int record_index = 0;
  std::wstring desc;
  int value = 0;
  int delay_time = 0;
};

struct MusicLayerRecord {
  int layer_id = 0;
  int profile = 0;
  std::wstring name;
  int deviceindex = 0;
  int foremode = 0;
  int fore_amplitude = 0;
  int backmode = 0;
  int backb_right = 0;
  int sel = 0;
};
