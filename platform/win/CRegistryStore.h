// The registry's file: shared by the editor and the host, so nothing is cached between calls.
// Readers read the whole current file; writers change it under an exclusive lock and replace
// it atomically, so neither process loses the other's values and a crash never leaves half a
// file.
#pragma once

#include "CRegistryTree.h"
#include "WinDef.h"

#include <filesystem>
#include <functional>

class CRegistryStore {
public:
  explicit CRegistryStore(std::filesystem::path file);

  // $CORBEL_REGISTRY, else $XDG_CONFIG_HOME/corbel/registry, else ~/.config/corbel/registry.
  static std::filesystem::path DefaultPath();

  const std::filesystem::path& File() const { return m_file; }

  // A missing file reads as an empty registry. Returns ERROR_SUCCESS, or ERROR_ACCESS_DENIED /
  // ERROR_REGISTRY_IO_FAILED when the file cannot be read.
  LONG Read(CRegistryTree& tree) const;

  // Runs `change` on the current contents under the lock; when it returns ERROR_SUCCESS and says
  // it changed something, the result is written back. Returns the change's status or the
  // store's own failure.
  using Change = std::function<LONG(CRegistryTree& tree, bool& changed)>;
  LONG Update(const Change& change) const;

private:
  std::filesystem::path m_file;
};
