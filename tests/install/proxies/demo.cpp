// The native of com.example.Demo: works with the Java library's own classes through the proxies
// that tarvelo_add_proxies generated, and with collections of the common library.
#include <jni.h>

#include <cstdio>
#include <string>

#include "com/example/Greeter.h"
#include "com/example/GreetingException.h"
#include "com/example/Greeter_Counter.h"
#include "java/lang/Integer.h"
#include "java/lang/NumberFormatException.h"
#include "java/util/ArrayList.h"
#include "java/util/HashMap.h"
#include "java/util/List.h"
#include "nativepp/NativeppBoundary.h"

namespace {

bool allAsExpected = true;

void expect(const char* what, const std::string& got, const std::string& wanted) {
    std::printf("%s: %s\n", what, got.c_str());
    allAsExpected = allAsExpected && got == wanted;
}

}  // namespace

extern "C" JNIEXPORT jboolean JNICALL Java_com_example_Demo_run(JNIEnv* env, jclass, jobject greeterArgument) {
    using com::example::Greeter;
    using java::lang::String;
    auto& newInstance = _nativeppNewInstanceParamDiscriminator;
    return nativepp::nativeppBoundary(env, [&] {
        Greeter given(greeterArgument);                      // the Java argument
        Greeter made(String("C++"), 2);                      // constructors
        Greeter plain(newInstance);
        com::example::Greeting& greeting = made;             // the interface it implements
        expect("greeting.greet()", greeting.greet(), "Hello, C++! x2");
        expect("given.greet(\"Java\")", given.greet(String("Java")), "Hello, Java!");
        java::util::List greeted = given.greeted();          // a LinkedList: no proxy, seen as a List
        expect("given.greeted()", greeted.toString(), "[Java]");
        made.times = 1;                                      // instance fields
        expect("made.name", made.name, "C++");
        expect("Greeter::DEFAULT_NAME", *Greeter::DEFAULT_NAME, "world");   // static fields
        expect("Greeter::created", std::to_string(*Greeter::created), "3");
        expect("Greeter::named(\"static\")", Greeter::named(String("static")).greet(), "Hello, static!");
        com::example::Greeter_Counter counter = made.counter();             // a nested class
        counter.next();
        expect("counter.next()", std::to_string(counter.next()), "2");
        try {
            made.rename(String(""));
            expect("rename(\"\")", "returned", "threw");
        } catch (com::example::GreetingException& e) {                      // its own exception
            expect("GreetingException", e.getMessage(), "a greeter needs a name");
        }

        java::util::ArrayList list(newInstance);             // the common library
        list.add(plain.greet());
        list.add(String("second"));
        java::util::HashMap map(newInstance);
        map.put(String("size"), java::lang::Integer(list.size()));
        expect("list", list.toString(), "[Hello, world!, second]");
        expect("map", map.toString(), "{size=2}");
        try {
            java::lang::Integer::parseInt(String("twelve"));
            expect("parseInt(\"twelve\")", "returned", "threw");
        } catch (java::lang::NumberFormatException& e) {
            expect("NumberFormatException", e.getMessage(), "For input string: \"twelve\"");
        }
        std::fflush(stdout);
        return allAsExpected ? JNI_TRUE : JNI_FALSE;
    });
}
