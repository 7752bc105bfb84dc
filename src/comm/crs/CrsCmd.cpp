#include "comm/crs/CrsCmd.h"

#include <cstdio>

std::string CrsCmd::StoreNumberText(long long storeNumber) {
  if (storeNumber < 0 || storeNumber > 9999) return "****";
  char text[8];
  std::snprintf(text, sizeof text, "%04lld", storeNumber);
  return text;
}

int CrsCmd::ToBcd(long long n) {
  if (n < 0 || n > 99) return -1;
  return int((n / 10) * 16 + n % 10);
}

std::vector<std::uint8_t> CrsCmd::Payload(std::uint8_t command, const std::vector<std::uint8_t>& data,
                                          const Params& params) {
  std::vector<std::uint8_t> body;
  body.reserve(1 + data.size() + params.store.size() + 2);
  body.push_back(command);
  body.insert(body.end(), data.begin(), data.end());
  body.insert(body.end(), params.store.begin(), params.store.end());
  body.push_back(params.first);
  body.push_back(params.last);
  return body;
}
