#include "ModelComparison.h"

#include "OperationResult.h"
#include "Operations.h"

namespace ModelComparison {

namespace {

ExactModel::Outcome FromProgram(Operation operation, const ExactModel::Case &in) {
    const Fields fields{in.radians, in.toAdd, in.degrees, in.minutes, in.seconds, in.sign};
    OutputOptions options;
    options.precision = static_cast<std::int16_t>(in.precision);
    options.decimalOutput = in.decimalOutput;
    options.decimalUnit = in.decimalMinutes ? DecimalUnit::Minutes : DecimalUnit::Degrees;
    options.roundToMinutes = in.roundToMinutes;
    options.showPlusMinus = in.showPlusMinus;
    const OperationResult result =
        operation == Operation::RadiansToDegrees ? Operations::RadiansToDegrees(fields, options)
        : operation == Operation::DegreesToRadians
            ? Operations::DegreesToRadians(fields, options)
            : Operations::PlusMinus(operation == Operation::Add ? 0 : 1, fields, options);
    const Fields &f = result.fields;
    ExactModel::Outcome out{f.radians,
                            f.toAdd,
                            f.degrees,
                            f.minutes,
                            f.seconds,
                            f.sign,
                            ApplyToOutput(in.output, result),
                            {},
                            {}};
    if (result.message) {
        out.message = result.message->text + " | " + result.message->title;
    }
    return out;
}

ExactModel::Outcome FromModel(Operation operation, const ExactModel::Case &in) {
    switch (operation) {
    case Operation::RadiansToDegrees:
        return ExactModel::RadiansToDegrees(in);
    case Operation::DegreesToRadians:
        return ExactModel::DegreesToRadians(in);
    case Operation::Add:
        return ExactModel::PlusMinus(0, in);
    case Operation::Subtract:
        break;
    }
    return ExactModel::PlusMinus(1, in);
}

std::string Quoted(const std::string &text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '"' || c == '\\') {
            quoted += std::string("\\") + c;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

void CompareText(std::string &mismatch, const char *what, const std::string &program,
                 const std::string &model) {
    if (program != model) {
        mismatch += std::string("  ") + what + ": program " + Quoted(program) + ", model " +
                    Quoted(model) + "\n";
    }
}

} // namespace

Verdict Compare(Operation operation, const ExactModel::Case &in) {
    const ExactModel::Outcome model = FromModel(operation, in);
    if (!model.open.empty()) {
        return {model.open, {}};
    }
    const ExactModel::Outcome program = FromProgram(operation, in);
    std::string mismatch;
    CompareText(mismatch, "radians", program.radians, model.radians);
    CompareText(mismatch, "toAdd", program.toAdd, model.toAdd);
    CompareText(mismatch, "degrees", program.degrees, model.degrees);
    CompareText(mismatch, "minutes", program.minutes, model.minutes);
    CompareText(mismatch, "seconds", program.seconds, model.seconds);
    CompareText(mismatch, "sign", program.sign, model.sign);
    CompareText(mismatch, "output", program.output, model.output);
    CompareText(mismatch, "message", program.message, model.message);
    return {{}, mismatch};
}

std::string Describe(Operation operation, const ExactModel::Case &in) {
    static const char *const names[] = {"radians to degrees", "degrees to radians", "add",
                                        "subtract"};
    std::string options = "P=" + std::to_string(in.precision);
    if (in.decimalOutput) {
        options += in.decimalMinutes ? ", decimal minutes" : ", decimal degrees";
    }
    if (in.roundToMinutes) {
        options += ", round to minutes";
    }
    if (!in.showPlusMinus) {
        options += ", no +/- log";
    }
    return std::string(names[static_cast<int>(operation)]) + " (" + options + "): radians " +
           Quoted(in.radians) + ", toAdd " + Quoted(in.toAdd) + ", degrees " + Quoted(in.degrees) +
           ", minutes " + Quoted(in.minutes) + ", seconds " + Quoted(in.seconds) + ", sign " +
           Quoted(in.sign);
}

} // namespace ModelComparison
