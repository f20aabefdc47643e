#include "app/shell/CurrentLanguage.h"

#include <atomic>

namespace {
std::atomic<int> current_language{kLanguageEnglish};
}

int CurrentLanguage() {
  return current_language.load(std::memory_order_relaxed);
}
void SetCurrentLanguage(int language) {
  current_language.store(language, std::memory_order_relaxed);
}
