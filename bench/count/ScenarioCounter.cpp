// Runs scenario natives of the benchmarks in a JVM started in process, for callgrind: each
// once to warm up, then n and 2n operations, each followed by a dump of the counts named
// "<scenario> 1" and "<scenario> 2". Run under --collect-atstart=no: only the measured runs
// are collected, on this thread; (I(2n) - I(n)) / n is then one operation's instructions.
//   tarvelo-bench-count JDK CLASSPATH LIBTARVELO LIBTARVELOBENCH N [SCENARIO...]
#include <dlfcn.h>
#include <jni.h>
#include <valgrind/callgrind.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// What a scenario native takes after (JNIEnv*, jclass); Call natives run once per operation.
enum class Kind { Text, BadText, Stream, Ints, CountOnly, Call };

struct Scenario {
    const char* name;
    const char* symbol;
    Kind kind;
};

#define BINDING(name, kind) {#name, "Java_com_drovantel_tarvelo_bench_Binding_" #name, Kind::kind}
const Scenario scenarios[] = {
    BINDING(rawLength, Text), BINDING(proxyLength, Text),
    BINDING(rawToStringLength, Text), BINDING(proxyToStringLength, Text),
    BINDING(rawParseInt, Text), BINDING(proxyParseInt, Text),
    BINDING(rawCount, Stream), BINDING(rawCountChecked, Stream), BINDING(proxyCount, Stream),
    BINDING(rawMaxValue, CountOnly), BINDING(proxyMaxValue, CountOnly),
    BINDING(rawElement, Ints), BINDING(proxyElement, Ints),
    BINDING(rawBulk, Ints), BINDING(proxyBulk, Ints),
    BINDING(rawThrow, BadText), BINDING(proxyThrow, BadText),
    {"plainCallInt", "Java_com_drovantel_tarvelo_bench_PlainJni_callInt", Kind::Call},
    {"bridgeCallInt", "Java_com_drovantel_tarvelo_core_impl_jni_MethodNative_callInt", Kind::Call},
};

using TextNative = jlong (*)(JNIEnv*, jclass, jobject, jint);
using CountNative = jlong (*)(JNIEnv*, jclass, jint);
using CallNative = jint (*)(JNIEnv*, jclass, jlong, jint, jlong, jlong);

[[noreturn]] void die(const std::string& why) {
    std::fprintf(stderr, "tarvelo-bench-count: %s\n", why.c_str());
    std::exit(1);
}

void* open(const char* path, int flags) {
    void* library = dlopen(path, flags);
    if (library == nullptr) die(dlerror());
    return library;
}

JNIEnv* startJvm(const std::string& jdk, const std::string& classpath) {
    void* jvm = open((jdk + "/lib/server/libjvm.so").c_str(), RTLD_NOW | RTLD_GLOBAL);
    auto create = reinterpret_cast<jint (*)(JavaVM**, void**, void*)>(dlsym(jvm, "JNI_CreateJavaVM"));
    if (create == nullptr) die("no JNI_CreateJavaVM in " + jdk);
    std::string path = "-Djava.class.path=" + classpath;
    // Interpreted and with one GC thread: under valgrind the compilers cost minutes and
    // change nothing in native code.
    JavaVMOption options[] = {{const_cast<char*>(path.c_str()), nullptr}, {const_cast<char*>("-Xint"), nullptr},
                              {const_cast<char*>("-XX:+UseSerialGC"), nullptr}};
    JavaVMInitArgs args{JNI_VERSION_1_8, sizeof options / sizeof options[0], options, JNI_FALSE};
    JavaVM* vm = nullptr;
    JNIEnv* env = nullptr;
    if (create(&vm, reinterpret_cast<void**>(&env), &args) != JNI_OK) die("the JVM did not start");
    return env;
}

jobject argument(JNIEnv* env, Kind kind) {
    switch (kind) {
        case Kind::Text: return env->NewStringUTF("12345");
        case Kind::BadText: return env->NewStringUTF("x");
        case Kind::Ints: return env->NewIntArray(1024);
        case Kind::Stream: {
            jclass type = env->FindClass("java/io/ByteArrayInputStream");
            jmethodID init = type != nullptr ? env->GetMethodID(type, "<init>", "([B)V") : nullptr;
            jbyteArray bytes = env->NewByteArray(64);
            return init != nullptr && bytes != nullptr ? env->NewObject(type, init, bytes) : nullptr;
        }
        default: return nullptr;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6) die("arguments: JDK CLASSPATH LIBTARVELO LIBTARVELOBENCH N [SCENARIO...]");
    const jint n = std::atoi(argv[5]);
    JNIEnv* env = startJvm(argv[1], argv[2]);
    JavaVM* vm = nullptr;
    env->GetJavaVM(&vm);
    void* tarvelo = open(argv[3], RTLD_NOW | RTLD_GLOBAL);
    auto onLoad = reinterpret_cast<jint (*)(JavaVM*, void*)>(dlsym(tarvelo, "JNI_OnLoad"));
    if (onLoad == nullptr) die("no JNI_OnLoad in libtarvelo");
    onLoad(vm, nullptr);
    void* bench = open(argv[4], RTLD_NOW);
    // add(int, int) with the block of the x86-64 register image: RDI, RSI, then the rest.
    const jlong add = reinterpret_cast<jlong>(dlsym(bench, "add"));
    std::int64_t block[14] = {20, 22};

    jlong sum = 0;
    for (const Scenario& scenario : scenarios) {
        bool chosen = argc == 6;
        for (int i = 6; i < argc; ++i) chosen = chosen || std::strcmp(argv[i], scenario.name) == 0;
        if (!chosen) continue;
        void* native = dlsym(std::strstr(scenario.symbol, "MethodNative") != nullptr ? tarvelo : bench, scenario.symbol);
        if (native == nullptr) die(std::string("no ") + scenario.symbol);
        jobject object = argument(env, scenario.kind);
        auto run = [&](jint operations) {
            jlong result = 0;
            if (scenario.kind == Kind::Call) {
                for (jint i = 0; i < operations; ++i) {
                    result += reinterpret_cast<CallNative>(native)(env, nullptr, add, 0, reinterpret_cast<jlong>(block),
                                                                    sizeof block);
                }
            } else if (scenario.kind == Kind::CountOnly) {
                result = reinterpret_cast<CountNative>(native)(env, nullptr, operations);
            } else {
                result = reinterpret_cast<TextNative>(native)(env, nullptr, object, operations);
            }
            if (env->ExceptionCheck()) {
                env->ExceptionDescribe();
                die(std::string(scenario.name) + " threw");
            }
            return result;
        };
        sum += run(n);
        CALLGRIND_ZERO_STATS;
        for (jint part = 1; part <= 2; ++part) {
            CALLGRIND_TOGGLE_COLLECT;
            sum += run(part * n);
            CALLGRIND_TOGGLE_COLLECT;
            // Named first: the request reads the name after a temporary would be gone.
            const std::string dump = std::string(scenario.name) + " " + std::to_string(part);
            CALLGRIND_DUMP_STATS_AT(dump.c_str());
        }
        if (object != nullptr) env->DeleteLocalRef(object);
    }
    std::printf("checksum %lld\n", static_cast<long long>(sum));
    return 0;
}
