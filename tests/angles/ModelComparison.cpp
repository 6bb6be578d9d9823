#include "ModelComparison.h"

#include "OperationResult.h"
#include "Operations.h"

#include <utility>

namespace ModelComparison {

namespace {

ExactModel::Outcome fromProgram(Operation operation, const ExactModel::Case &in) {
    const Fields fields{in.radians, in.toAdd, in.degrees, in.minutes, in.seconds, in.sign};
    const OutputOptions options = optionsOf(in);
    const OperationResult result =
        operation == Operation::RadiansToDegrees ? Operations::radiansToDegrees(fields, options)
        : operation == Operation::DegreesToRadians
            ? Operations::degreesToRadians(fields, options)
            : Operations::plusMinus(operation == Operation::Add ? 0 : 1, fields, options);
    const Fields &f = result.fields;
    const std::string output = applyToOutput(in.output, result);
    static const char *const icons[] = {"none", "information", "exclamation"};
    static const char *const focus[] = {"",           " | radians", " | toAdd",
                                        " | degrees", " | minutes", " | seconds"};
    const auto &m = result.message;
    const std::string message = m ? m->text + " | " + m->title + " | " +
                                        icons[static_cast<int>(m->icon)] +
                                        focus[static_cast<int>(m->focus)]
                                  : "";
    return {f.radians, f.toAdd, f.degrees, f.minutes, f.seconds, f.sign, output, message, {}};
}

ExactModel::Outcome fromModel(Operation operation, const ExactModel::Case &in) {
    return operation == Operation::RadiansToDegrees ? ExactModel::radiansToDegrees(in)
           : operation == Operation::DegreesToRadians
               ? ExactModel::degreesToRadians(in)
               : ExactModel::plusMinus(operation == Operation::Add ? 0 : 1, in);
}

std::string quoted(const std::string &text) {
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '\r'               ? std::string("\\r")
                  : c == '\n'             ? std::string("\\n")
                  : c == '"' || c == '\\' ? std::string("\\") + c
                                          : std::string(1, c);
    return quoted + "\"";
}

} // namespace

OutputOptions optionsOf(const ExactModel::Case &in) {
    return {static_cast<std::int16_t>(in.precision), in.decimalOutput,
            in.decimalMinutes ? DecimalUnit::Minutes : DecimalUnit::Degrees, in.roundToMinutes,
            in.showPlusMinus};
}

Verdict compare(Operation operation, const ExactModel::Case &in) {
    const ExactModel::Outcome model = fromModel(operation, in);
    if (!model.open.empty())
        return {model.open, {}};
    const ExactModel::Outcome program = fromProgram(operation, in);
    using O = ExactModel::Outcome;
    std::string mismatch;
    for (const auto &[what, text] : {std::pair{"radians", &O::radians},
                                     {"toAdd", &O::toAdd},
                                     {"degrees", &O::degrees},
                                     {"minutes", &O::minutes},
                                     {"seconds", &O::seconds},
                                     {"sign", &O::sign},
                                     {"output", &O::output},
                                     {"message", &O::message}}) {
        if (program.*text != model.*text) {
            mismatch += std::string("  ") + what + ": program " + quoted(program.*text) +
                        ", model " + quoted(model.*text) + "\n";
        }
    }
    return {{}, mismatch};
}

std::string describe(Operation operation, const ExactModel::Case &in) {
    static const char *const names[] = {"radians to degrees", "degrees to radians", "add",
                                        "subtract"};
    const char *output = !in.decimalOutput   ? ""
                         : in.decimalMinutes ? ", decimal minutes"
                                             : ", decimal degrees";
    return std::string(names[static_cast<int>(operation)]) + " (P=" + std::to_string(in.precision) +
           output + (in.roundToMinutes ? ", round to minutes" : "") +
           (in.showPlusMinus ? "" : ", no +/- log") + "): radians " + quoted(in.radians) +
           ", toAdd " + quoted(in.toAdd) + ", degrees " + quoted(in.degrees) + ", minutes " +
           quoted(in.minutes) + ", seconds " + quoted(in.seconds) + ", sign " + quoted(in.sign);
}

} // namespace ModelComparison
