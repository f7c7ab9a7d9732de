#include "SkinFixture.h"

#include "FileStream.h"
#include "Sk2Writer.h"
#include "SkinArchiveWriter.h"

namespace testfiles {

std::string WriteSkin(const PrivateTempDir& dir, const std::string& name, const std::vector<Sk2Record>& records,
                      const std::string& password) {
  SkinArchiveOptions options;
  options.Password = password;
  const std::string path = dir.File(name);
  FileStream::WriteAll(path, BuildSkinArchive(BuildSk2File(records), options));
  return path;
}

}  // namespace testfiles
