#include "generate/batch_files.h"

#include <boost/lexical_cast.hpp>

#include "driver/console.h"
#include "driver/globals.h"
#include "generate/batch_text.h"

namespace brennholtzgate {
namespace {

// A pause at the end when the batch file was started without an argument, so
// that a double-clicked window stays open.
constexpr std::string_view pauseLine = "IF X%1==X pause";

}  // namespace

void beginBatchFile(std::ofstream& out, OutputBuffer& buffer, std::string batchFile,
                    std::string qacBin) {
  printLine("creating: " + batchFile);
  openOutput(out, buffer, batchFile);
  writeLine(out, buffer, {"@echo off"});
  writeLine(out, buffer, {setCommand("QACBIN", qacBin)});
  writeLine(out, buffer, {setCommand("QACOUTPATH", qacWorkingLoc)});
  writeLine(out, buffer, {setCommand("QACTEMP", qacWorkingLoc)});
  writeLine(out, buffer, {setCommand("QACPATH", qacLoc + "QAC-8.1.2-R\\")});
  writeLine(out, buffer, {setCommand("QACHELPFILES", qacLoc + "QAC-8.1.2-R\\help\\")});
  writeLine(out, buffer, {pathCommand(qacBin)});
}

void writeAnalyseBatch(std::string batchFile, std::string qacExe, std::string qacBin,
                       std::string viaFile) {
  OutputBuffer buffer;
  std::ofstream out;
  beginBatchFile(out, buffer, batchFile, qacBin);

  std::string exeScratch;
  std::string viaScratch;
  const std::string_view exeText = batchText(qacExe, exeScratch);
  const std::string_view viaText = batchText(viaFile, viaScratch);
  const std::string total = boost::lexical_cast<std::string>(static_cast<int>(entryQueue.size()));
  int number = 0;
  std::string entryScratch;
  for (const std::string& entry : entryQueue) {
    ++number;
    const std::string_view entryText = batchText(entry, entryScratch);
    writeLine(out, buffer,
              {"echo ", boost::lexical_cast<std::string>(number), "/", total, " : ", entryText});
    writeLine(
        out, buffer,
        {"\"", exeText, "\" -ppmetrics+ -pplist+ -ppfilename+ -via \"", viaText, "\" ", entryText});
  }
  writeLine(out, buffer, {"echo \"Finished!\""});
  writeLine(out, buffer, {pauseLine});
  closeOutput(out, buffer, batchFile);
}

void writeViewBatch(std::string batchFile, std::string viewerExe, std::string qacBin,
                    std::string listFile, std::string viaFile) {
  OutputBuffer buffer;
  std::ofstream out;
  beginBatchFile(out, buffer, batchFile, qacBin);

  std::string viewerScratch;
  std::string viaScratch;
  std::string listScratch;
  std::string workingScratch;
  writeLine(out, buffer, {"echo executing program."});
  writeLine(
      out, buffer,
      {"\"", batchText(viewerExe, viewerScratch), "\" QAC -via \"", batchText(viaFile, viaScratch),
       "\" -list \"", batchText(listFile, listScratch), "\""});
  writeLine(
      out, buffer,
      {"echo \"The file will be generated in: ", batchText(qacWorkingLoc, workingScratch), "\""});
  writeLine(out, buffer, {pauseLine});
  closeOutput(out, buffer, batchFile);
}

}  // namespace brennholtzgate
