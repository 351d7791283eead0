#include "word/ui/word_plugin.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "word/unavailable_word_processor.h"

namespace tolvane::ui {
namespace {

constexpr const char* kPluginFile = "libtolvane_word_libreoffice.so";

WordProcessorFactory& factory() {
  static WordProcessorFactory instance;
  return instance;
}

QStringList pluginCandidates() {
  const QString chosen = qEnvironmentVariable("TOLVANE_WORD_PLUGIN");
  if (!chosen.isEmpty()) return {chosen};
  QStringList candidates{QCoreApplication::applicationDirPath() + "/" + kPluginFile};
#ifdef TOLVANE_WORD_PLUGIN_BUILD_PATH
  candidates << QStringLiteral(TOLVANE_WORD_PLUGIN_BUILD_PATH);
#endif
  return candidates;
}

std::unique_ptr<word::WordProcessor> loadPlugin() {
  std::string reason = "the word processor plugin was not found";
  for (const QString& path : pluginCandidates()) {
    if (!QFileInfo::exists(path)) continue;
    // Never closed: the office's UNO threads run in its code for as long as the program does.
    void* plugin = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!plugin) {
      reason = dlerror();
      continue;
    }
    auto create =
        reinterpret_cast<word::CreateWordProcessorFunction>(dlsym(plugin, word::kCreateWordProcessorSymbol));
    if (!create) {
      reason = path.toStdString() + " is no word processor plugin";
      continue;
    }
    const word::WordProcessorOptions options;
    if (word::WordProcessor* processor = create(&options))
      return std::unique_ptr<word::WordProcessor>(processor);
    reason = path.toStdString() + " could not make its word processor";
  }
  return std::make_unique<word::UnavailableWordProcessor>(reason);
}

}  // namespace

std::unique_ptr<word::WordProcessor> createWordProcessor() {
  return factory() ? factory()() : loadPlugin();
}

void setWordProcessorFactory(WordProcessorFactory replacement) {
  factory() = std::move(replacement);
}

}  // namespace tolvane::ui
