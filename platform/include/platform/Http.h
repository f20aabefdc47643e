#pragma once

#include <functional>
#include <span>
#include <string>

namespace platform {

// Plain HTTP(S) downloads.
class Http {
 public:
  enum class Result { Ok, ConnectFailed, RequestFailed, Cancelled };

  virtual ~Http() = default;

  // Fetches `url`, handing the body to `on_data` piece by piece; `on_data` returns false to cancel.
  // `status` receives the HTTP status code (0 when no answer came).
  virtual Result Get(const std::string& url,
                     const std::function<bool(std::span<const char>)>& on_data, int& status) = 0;
};

}  // namespace platform
