#pragma once

#include "platform/Locale.h"

namespace platform {

class FakeLocale final : public Locale {
 public:
  explicit FakeLocale(int language = 1033, std::string code_page = "CP1252")
      : language_(language), code_page_(std::move(code_page)) {}

  int UserUiLanguage() override { return language_; }
  std::string SystemCodePage() override { return code_page_; }

 private:
  int language_;
  std::string code_page_;
};

}  // namespace platform
