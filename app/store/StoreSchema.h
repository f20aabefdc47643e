#pragma once

#include <span>
#include <string_view>

// The statements that make a new configuration database, and its fixed contents.

// The nine tables and their eight indexes, in the order they are created.
std::span<const char* const> SchemaStatements();

// The table names, in schema order.
std::span<const char* const> SchemaTables();

// One default row of t_configdata.
struct ConfigDefault {
  const wchar_t* key;
  const wchar_t* value;
};

// The rows a new database starts with; "version" records the schema version.
std::span<const ConfigDefault> ConfigDefaults();

// The model's database file name: "<model name>_data_v1.db".
constexpr std::wstring_view kStoreFileSuffix = L"_data_v1.db";
