package com.drovantel.tarvelo.examples;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.drovantel.tarvelo.bridge.Fixtures;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.function.Supplier;
import java.util.stream.Stream;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;

/** The README's examples for Java callers: each runs, and the README quotes its source as it is. */
class ReadmeExamplesTest {
    @BeforeAll
    static void load() {
        Fixtures.load();
    }

    static Stream<Arguments> examples() {
        return Stream.of(
                Arguments.of("CStrings", (Supplier<Object>) () -> CStrings.strlen("native bridge"), 13),
                Arguments.of("CStrings", (Supplier<Object>) CStrings::getpid, (int) ProcessHandle.current().pid()),
                Arguments.of("FormatDoubles", (Supplier<Object>) () -> FormatDoubles.format("%.2f + %.2f = %g", 1.25, 2.5),
                        "1.25 + 2.50 = 3.75"),
                Arguments.of("SortWithJavaComparator",
                        (Supplier<Object>) () -> SortWithJavaComparator.sort(42, 7, -3, 18, 5), new int[] {-3, 5, 7, 18, 42}),
                Arguments.of("ErrnoAfterOpen", (Supplier<Object>) () -> ErrnoAfterOpen.openErrno("/no/such/file"), 2));
    }

    @ParameterizedTest(name = "{0}: {2}")
    @MethodSource("examples")
    void exampleGivesItsResult(String example, Supplier<Object> run, Object expected) {
        Object result = run.get();
        if (expected instanceof int[] values) {
            assertArrayEquals(values, (int[]) result);
        } else {
            assertEquals(expected, result);
        }
    }

    @ParameterizedTest(name = "{0}")
    @MethodSource("examples")
    void readmeQuotesTheExample(String example) throws Exception {
        Path source = Path.of(System.getProperty("tarvelo.source"));
        String readme = Files.readString(source.resolve("README.md"));
        String code = Files.readString(
                source.resolve("tests/java/com/drovantel/tarvelo/examples/" + example + ".java"));
        assertTrue(readme.contains("```java\n" + code + "```\n"), example + ".java is not quoted whole in README.md");
    }
}
