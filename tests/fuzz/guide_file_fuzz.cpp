// Feeds arbitrary bytes to the guide file reader, with the edition's FCAS resolution.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "pricing/edition_table.h"
#include "store/guide_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace baltu;
  static const pricing::Edition edition = pricing::applyEdition("ABRIL 2015").value();
  store::SilentUserInterface ui;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const store::Guide guide = size % 2 == 0 ? store::Guide::Guia1 : store::Guide::Guia4;
  auto resolver = [&](const store::PartidaBeingRead& p) { return pricing::resolvePartidaFcas(edition, guide, p, ui); };
  auto loaded = store::loadGuideBytes(bytes, "GUIA1.DAT", guide, {}, resolver, ui);
  if (loaded.ok() && loaded.value().partidas.size() > size) __builtin_trap();
  return 0;
}
