// Measures the whole pipeline of the portable code (read the project file,
// write the list file and both batch files) on a generated project, against a
// plain copy of the same input and output bytes.
//
//   pipeline_benchmark [entries] [runs]       time both, print the ratio
//   pipeline_benchmark --generate FILE N      write a project file of N entries
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "driver/globals.h"
#include "generate/batch_files.h"
#include "generate/batch_text.h"
#include "generate/list_file.h"
#include "inputs/project_file.h"

namespace bhg = brennholtzgate;
namespace fs = std::filesystem;

namespace {

// Source paths as a code tree has them: folders, varied names, ~40 bytes.
void generateProject(const std::string& path, long entries) {
  std::string text = "[Project]\r\nFolderName=Proj\r\n";
  text.reserve(static_cast<size_t>(entries) * 44 + 64);
  char line[128];
  for (long i = 0; i < entries; ++i) {
    const int length = std::snprintf(line, sizeof line,
                                     "D:\\Work\\Proj\\Src\\mod%03ld\\file_%06ld.c\r\n", i % 997, i);
    text.append(line, static_cast<size_t>(length));
  }
  std::ofstream(path, std::ios::binary)
      .write(text.data(), static_cast<std::streamsize>(text.size()));
}

struct Files {
  std::string project, list, analyse, view;
};

// The start values of a run; a real run never clears, so this is not timed.
void resetRun() {
  std::deque<std::string>().swap(bhg::entryQueue);
  bhg::cmaFile = "cmaFile";
  bhg::qacLoc = "D:\\Work\\Proj\\Tools\\Qac\\";
  bhg::qacWorkingLoc = "D:\\Work\\Proj\\Tmp\\qac\\";
}

void runPipeline(const Files& files) {
  const std::string qacBin = bhg::qacLoc + "QAC-8.1.2-R\\bin\\";
  const std::string via = bhg::qacWorkingLoc + "_qac_cfg.txt";
  std::ostringstream console;  // the "creating: " lines are not what we measure
  auto* const original = std::cout.rdbuf(console.rdbuf());
  bhg::readProjectFile(files.project);
  bhg::checkBatchFileValues();
  bhg::writeListFile(bhg::qacWorkingLoc, files.list);
  bhg::writeAnalyseBatch(files.analyse, qacBin + "qac", qacBin, via);
  bhg::writeViewBatch(files.view, qacBin + "Viewer", qacBin, bhg::qacWorkingLoc + "_qac_list.txt",
                      via);
  std::cout.rdbuf(original);
}

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The floor: read the input's bytes, write the outputs' bytes, as one block each.
void copyBytes(const std::string& input,
               const std::vector<std::pair<std::string, std::string>>& outputs) {
  const std::string bytes = slurp(input);
  if (bytes.empty()) std::abort();
  for (const auto& [path, content] : outputs) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
  }
}

template <typename Work>
double seconds(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Peak resident memory of this process, from the kernel's high-water mark.
long peakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

// Peak resident memory of one pipeline run, in a fresh process of its own so
// that the benchmark's other buffers do not count.
long pipelinePeakKiB(const std::string& folder) {
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  const std::string command = "'" + self + "' --pipeline-once '" + folder + "'";
  FILE* child = popen(command.c_str(), "r");
  if (child == nullptr) return -1;
  long peak = -1;
  if (std::fscanf(child, "%ld", &peak) != 1) peak = -1;
  return pclose(child) == 0 ? peak : -1;
}

Files filesIn(const fs::path& folder) {
  return {(folder / "_qac_gui.prj").string(), (folder / "_qac_list.txt").string(),
          (folder / "_qac_8_1_2-R_Analyse.bat").string(),
          (folder / "_qac_8_1_2-R_View_Misra.bat").string()};
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 4 && std::string(argv[1]) == "--generate") {
    generateProject(argv[2], std::atol(argv[3]));
    return 0;
  }
  if (argc == 3 && std::string(argv[1]) == "--pipeline-once") {
    resetRun();
    runPipeline(filesIn(argv[2]));
    std::cout << peakResidentKiB() << std::endl;
    return 0;
  }
  const long entries = argc > 1 ? std::atol(argv[1]) : 100000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 7;

  const fs::path folder = fs::temp_directory_path() / ("bhg-benchmark-" + std::to_string(getpid()));
  fs::create_directories(folder);
  const Files files = filesIn(folder);
  generateProject(files.project, entries);

  resetRun();
  runPipeline(files);  // warm up, and gives the bytes the copy writes
  std::vector<std::pair<std::string, std::string>> outputs;
  size_t outputBytes = 0;
  for (const std::string* path : {&files.list, &files.analyse, &files.view}) {
    outputs.emplace_back((folder / ("copy-" + fs::path(*path).filename().string())).string(),
                         slurp(*path));
    outputBytes += outputs.back().second.size();
  }

  std::vector<double> pipelineTimes;
  std::vector<double> copyTimes;
  for (int run = 0; run < runs; ++run) {
    resetRun();
    pipelineTimes.push_back(seconds([&] { runPipeline(files); }));
    copyTimes.push_back(seconds([&] { copyBytes(files.project, outputs); }));
  }
  const double pipeline = median(pipelineTimes);
  const double copy = median(copyTimes);
  const long peak = pipelinePeakKiB(folder.string());

  std::cout << "entries:          " << entries << "\n"
            << "bytes in / out:   " << fs::file_size(files.project) << " / " << outputBytes << "\n"
            << "pipeline:         " << pipeline * 1000 << " ms (median of " << runs << ")\n"
            << "byte copy:        " << copy * 1000 << " ms\n"
            << "ratio:            " << pipeline / copy << "\n"
            << "peak memory:      " << static_cast<double>(peak) / 1024.0 << " MiB\n";
  fs::remove_all(folder);
  return 0;
}
