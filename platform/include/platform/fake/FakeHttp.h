#pragma once

#include <map>
#include <mutex>
#include <vector>

#include "platform/Http.h"

namespace platform {

// Scripted answers by address; an address without one fails to connect. Every request is recorded.
class FakeHttp final : public Http {
 public:
  void SetResponse(const std::string& url, int status, std::string body);
  std::vector<std::string> Requests();

  Result Get(const std::string& url, const std::function<bool(std::span<const char>)>& on_data,
             int& status) override;

 private:
  std::mutex mutex_;
  std::map<std::string, std::pair<int, std::string>> responses_;
  std::vector<std::string> requests_;
};

}  // namespace platform
