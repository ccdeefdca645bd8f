#include "platform/whole_file_writer.h"

namespace ventro {

WholeFileWriter::WholeFileWriter(Files& files, const Path& path)
    : files_(files), path_(path), temporary_(path) {
  temporary_ += ".new";
  if (files_.Exists(path_) && !files_.Open(path_, OpenMode::kReadWrite)) return;
  if (!files_.Remove(temporary_)) return;
  file_ = files_.Open(temporary_, OpenMode::kAppendCreate);
}

WholeFileWriter::~WholeFileWriter() {
  if (committed_) return;
  const bool made = file_ != nullptr || failed_;
  file_.reset();
  if (made) (void)files_.Remove(temporary_);
}

bool WholeFileWriter::StartFromOld(uint64_t bytes) {
  if (!file_ || failed_) return false;
  file_.reset();
  failed_ = true;  // the temporary file goes unless it is open again below
  if (!files_.CopyFile(path_, temporary_)) return false;
  file_ = files_.Open(temporary_, OpenMode::kReadWrite);
  if (!file_) return false;
  failed_ = !file_->Truncate(bytes);
  return !failed_;
}

bool WholeFileWriter::Write(std::string_view bytes) {
  if (!file_ || failed_) return false;
  if (!bytes.empty() && !file_->Append(bytes.data(), bytes.size())) failed_ = true;
  return !failed_;
}

bool WholeFileWriter::Commit() {
  if (!file_ || failed_ || committed_) return false;
  const bool synced = file_->Sync();
  file_.reset();
  failed_ = true;  // from here the temporary file goes, unless the rename takes it
  committed_ = synced && files_.Rename(temporary_, path_);
  return committed_;
}

}  // namespace ventro
