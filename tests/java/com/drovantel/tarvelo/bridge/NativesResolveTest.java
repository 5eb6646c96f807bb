package com.drovantel.tarvelo.bridge;

import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.io.IOException;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.nio.file.Files;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Collections;
import java.util.HashSet;
import java.util.List;
import java.util.Set;
import java.util.jar.JarFile;
import org.junit.jupiter.api.Test;

/** Every native that the Java counterpart declares is exported by the library. */
class NativesResolveTest {
    private static final String PACKAGE = "com/drovantel/tarvelo/core/impl/jni/";

    @Test
    void everyDeclaredNativeIsExported() throws Exception {
        Set<String> exported = exportedSymbols();
        List<String> missing = new ArrayList<>();
        int natives = 0;
        for (Class<?> type : jniClasses()) {
            for (Method method : type.getDeclaredMethods()) {
                if (!Modifier.isNative(method.getModifiers())) {
                    continue;
                }
                natives++;
                String shortName = "Java_" + mangle(type.getName()) + "_" + mangle(method.getName());
                if (!exported.contains(shortName)) {
                    missing.add(shortName);
                }
            }
        }
        assertTrue(natives > 0, "no natives declared");
        assertTrue(missing.isEmpty(), "not exported: " + missing);
    }

    @Test
    void manglingEscapesAsJniDoes() {
        assertFalse(mangle("a_b").equals("a_b"));
        assertTrue(mangle("a_b.c$d").equals("a_1b_c_00024d"));
    }

    private static Set<String> exportedSymbols() throws IOException {
        Set<String> names = new HashSet<>();
        for (String line : Files.readAllLines(Paths.get(System.getProperty("tarvelo.symbols")))) {
            String[] fields = line.trim().split("\\s+");
            names.add(fields[fields.length - 1]);
        }
        return names;
    }

    private static List<Class<?>> jniClasses() throws Exception {
        List<Class<?>> classes = new ArrayList<>();
        try (JarFile jar = new JarFile(System.getProperty("tarvelo.jar"))) {
            for (String entry : Collections.list(jar.entries()).stream().map(e -> e.getName()).toList()) {
                if (entry.startsWith(PACKAGE) && entry.endsWith(".class")) {
                    String name = entry.substring(0, entry.length() - ".class".length()).replace('/', '.');
                    classes.add(Class.forName(name, false, NativesResolveTest.class.getClassLoader()));
                }
            }
        }
        return classes;
    }

    /** The JNI short-name escape of a class or method name. */
    static String mangle(String name) {
        StringBuilder out = new StringBuilder();
        for (char c : name.toCharArray()) {
            if (c == '.' || c == '/') {
                out.append('_');
            } else if (c == '_') {
                out.append("_1");
            } else if (c == ';') {
                out.append("_2");
            } else if (c == '[') {
                out.append("_3");
            } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
                out.append(c);
            } else {
                out.append(String.format("_0%04x", (int) c));
            }
        }
        return out.toString();
    }
}
