#include "platform/fake/FakeHttp.h"

#include <algorithm>

namespace platform {

void FakeHttp::SetResponse(const std::string& url, int status, std::string body) {
  std::lock_guard lock(mutex_);
  responses_[url] = {status, std::move(body)};
}

std::vector<std::string> FakeHttp::Requests() {
  std::lock_guard lock(mutex_);
  return requests_;
}

Http::Result FakeHttp::Get(const std::string& url,
                           const std::function<bool(std::span<const char>)>& on_data, int& status) {
  std::pair<int, std::string> response;
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(url);
    const auto found = responses_.find(url);
    if (found == responses_.end()) {
      status = 0;
      return Result::ConnectFailed;
    }
    response = found->second;
  }
  status = response.first;
  // Hand the body over in pieces, as a network read would.
  constexpr size_t kPiece = 10240;
  for (size_t offset = 0; offset < response.second.size(); offset += kPiece) {
    const size_t size = std::min(kPiece, response.second.size() - offset);
    if (!on_data(std::span<const char>(response.second.data() + offset, size))) {
      return Result::Cancelled;
    }
  }
  return Result::Ok;
}

}  // namespace platform
