#include "tests/native/MembersTestSupport.h"

jfieldID javaFieldID(JNIEnv* env, const char* className, const char* name, const char* signature, bool isStatic) {
    nativepp::NativeppJObjectLocal cls = javaClass(env, className);
    auto jcls = static_cast<jclass>(cls.getJObject());
    jfieldID id = isStatic ? env->GetStaticFieldID(jcls, name, signature) : env->GetFieldID(jcls, name, signature);
    EXPECT_FALSE(env->ExceptionCheck()) << className << "." << name;
    return id;
}

nativepp::NativeppJObjectLocal javaClass(JNIEnv* env, const char* className) {
    jclass cls = env->FindClass(className);
    EXPECT_FALSE(env->ExceptionCheck()) << className;
    return nativepp::NativeppJObjectLocal(cls, env);
}
